// quillmere-cli rules: arrives with its layer.
#include "CliCommand.h"
