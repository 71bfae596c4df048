#include "app/app.h"

rt::Ref<App> App::Instance() {
  return rt::RuntimeCheckCast<App>(rt::GetAppObject());
}

const rt::ClassRecord& App::RegisterClass() {
  return rt::RegisterClass("App");
}
