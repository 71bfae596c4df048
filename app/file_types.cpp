#include "app/file_types.h"

namespace FileTypes {

rt::Ref<rt::FileType> pText;

void Initialize() {
  pText = rt::RuntimeNewObject<rt::FileType>();
  pText->SetName("text");
  pText->SetExtensions("");
  pText->SetMacType("TEXT");
  pText->SetMacCreator("R*ch");
  // The conversion registers the type, once all four values are set; the
  // name it gives is not needed.
  (void)pText->Convert();
}

}  // namespace FileTypes
