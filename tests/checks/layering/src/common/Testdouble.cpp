#include "platform/Files.h"
#include "platform/recording/Recorder.h"
