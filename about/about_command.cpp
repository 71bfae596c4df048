// The About item of the menu bar: shows the one About window without blocking.
#include "about/about_box.h"
#include "app/app.h"

bool App::AppleAboutJolvane_Action() {
  AboutBox::Instance()->Show();
  return false;
}
