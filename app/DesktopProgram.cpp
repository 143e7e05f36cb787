#include "app/DesktopProgram.h"

#include "app/StartUp.h"
#include "bank/Search.h"

DesktopProgram::DesktopProgram() {
  window.onSearch = [this] { StartSearch(program); };
}

void DesktopProgram::Start(const std::filesystem::path& fileDirectory) {
  RunStartUp(program, fileDirectory);
  window.show();
}
