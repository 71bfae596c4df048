// What the update check asks for and says, as the program has it: shared by
// the tests of the version window and of the update check.
#pragma once

namespace test_support {

// The class names under which the two windows are registered.
inline constexpr char kVersionClass[] = "selfTest.selfTest";
inline constexpr char kUpdateClass[] = "updateWindow.updateWindow";
// The request for the update document, as the proxy sees it.
inline constexpr char kUpdateRequest[] = "GET http://www.brenwick.example/Updates/jolvane.xml";
// The message when the running version is the current one.
inline constexpr char kCurrentVersionMessage[] =
    "You are using the current version. No update is available.";

}  // namespace test_support
