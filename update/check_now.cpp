// The menu command "Check Now": shows the version window without blocking.
#include "app/app.h"
#include "update/self_test.h"

bool App::CheckforUpdateCheckNow_Action() {
  selfTest::Instance()->Show();
  return false;
}
