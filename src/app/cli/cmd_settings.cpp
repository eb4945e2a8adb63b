// quillmere-cli settings: arrives with its layer.
#include "CliCommand.h"
