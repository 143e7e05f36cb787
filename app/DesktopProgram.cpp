#include "app/DesktopProgram.h"

#include "app/StartUp.h"

DesktopProgram::DesktopProgram() = default;

void DesktopProgram::Start(const std::filesystem::path& fileDirectory) {
  RunStartUp(program, fileDirectory);
  window.show();
}
