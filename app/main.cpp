// The process entry; everything else is in the program library.
#include "app/startup.h"

int main(int argc, char** argv) {
  return RunProcess(argc, argv);
}
