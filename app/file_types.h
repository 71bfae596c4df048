// The declared document type. The program opens, saves and offers no
// documents; the type is declared at start-up and released at exit.
#pragma once

#include "rt/rt.h"

namespace FileTypes {

// "text", no extensions, type "TEXT", creator "R*ch".
extern rt::Ref<rt::FileType> pText;

// Makes a new pText (releasing the old one), sets its four values and
// registers it.
void Initialize();

}  // namespace FileTypes
