// quillmere-cli mx: arrives with its layer.
#include "CliCommand.h"
