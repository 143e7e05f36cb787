#pragma once
// The program-wide state over a private copy of the fixture bank, connected
// and bound as after a good start, with the in-memory controls.
#include <gtest/gtest.h>

#include "app/Program.h"
#include "support/MemoryControls.h"
#include "support/TempDir.h"

class FixtureProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(ZHILAN_FIXTURE_BANK, dir_ / "study.mdb");
    program_.ResultPagePath = dir_ / "index.html";
    program_.DatabasePath = dir_ / "study.mdb";
    ASSERT_TRUE(Connect(program_.数据库连接1, program_.DatabasePath));
    BindRecordSet(program_.记录集1, program_.数据库连接1);
  }
  TempDir dir_;
  MemoryControls ui_;
  Program program_{ui_};
};
