// Everything the program uses of the runtime.
#pragma once

#include "rt/application.h"
#include "rt/controls.h"
#include "rt/dialogs.h"
#include "rt/event.h"
#include "rt/http.h"
#include "rt/media.h"
#include "rt/menu.h"
#include "rt/object.h"
#include "rt/proplist.h"
#include "rt/runtime.h"
#include "rt/system.h"
#include "rt/text.h"
#include "rt/timer.h"
#include "rt/window.h"
