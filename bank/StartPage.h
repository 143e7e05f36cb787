#pragma once
struct Program;

// Writes the default page to ResultPagePath and shows it; writes the carried
// question bank to DatabasePath when no file is there, and says how that went.
void WriteStartPage(Program& program);

// Opens the question bank and binds the record set to it; without a bank the
// keyword box and the update button are disabled for the rest of the run.
void ConnectDatabase(Program& program);
