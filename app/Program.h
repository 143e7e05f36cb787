#pragma once
// The program-wide state: everything the start-up sequence and the event
// handlers share, with the window's controls behind `ui`. Each variable has one
// writer; the order of the start-up sequence makes every write come before its
// readers start.
#include <filesystem>

#include "app/Controls.h"
#include "bank/Database.h"
#include "text/Text.h"

struct Program {
  explicit Program(Controls& controls) : ui(controls) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Controls& ui;

  Text VersionText;
  int OnlineFlag = 0;
  std::filesystem::path ResultPagePath;  // index.html
  std::filesystem::path DatabasePath;    // study.mdb

  Connection 数据库连接1;
  RecordSet 记录集1;
};
