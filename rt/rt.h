// Everything the program uses of the runtime. The program includes this
// file or the headers directly in rt/ beside it, and nothing else of the
// runtime: never rt/core/ (the implementation and its internal headers),
// rt/plugins/ (the modules loaded on first need and what they exchange with
// the runtime) or rt/testing/ (the test driver, for tests only), and never a
// Qt header.
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
