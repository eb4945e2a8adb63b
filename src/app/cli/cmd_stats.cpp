// quillmere-cli stats: arrives with its layer.
#include "CliCommand.h"
