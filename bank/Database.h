#pragma once
// The database component the program asks its question bank through: one
// connection to study.mdb and record sets over it, an SQLite database behind
// the same small set of operations the rest of the program was written for.
// Texts go in and come out as GBK; the file holds UTF-8.
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "text/Text.h"

struct DatabaseHandle;

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool IsOpen() const { return handle_ != nullptr; }

 private:
  friend bool Connect(Connection&, const std::filesystem::path&, const Text&);
  friend bool BindRecordSet(class RecordSet&, Connection&);
  friend bool Execute(Connection&, const Text&, const std::vector<Text>&);
  std::shared_ptr<DatabaseHandle> handle_;
};

class RecordSet {
 public:
  RecordSet();
  ~RecordSet();
  RecordSet(const RecordSet&) = delete;
  RecordSet& operator=(const RecordSet&) = delete;

 private:
  struct Cursor;
  friend bool BindRecordSet(RecordSet&, Connection&);
  friend bool OpenQuery(RecordSet&, const Text&, const std::vector<Text>&);
  friend void MoveFirst(RecordSet&);
  friend bool AtEnd(const RecordSet&);
  friend void MoveNext(RecordSet&);
  friend void ReadText(const RecordSet&, std::string_view, Text*);
  friend void Close(RecordSet&);
  std::shared_ptr<DatabaseHandle> handle_;
  std::unique_ptr<Cursor> cursor_;
};

// Opens an existing question bank: true only for a real SQLite database that
// holds the table `study`. Nothing is created and a failed file is left as it
// was. SQLite files carry no password, so a non-empty one fails.
bool Connect(Connection& connection, const std::filesystem::path& file, const Text& password = {});

// Later queries of the record set run on this connection.
bool BindRecordSet(RecordSet& records, Connection& connection);

// Runs one SQL statement on the record set's connection. `parameters` are
// bound to the statement's "?" in order, as texts, so a value never becomes
// SQL. A statement that fails leaves the record set without a current row.
bool OpenQuery(RecordSet& records, const Text& sql, const std::vector<Text>& parameters = {});
void MoveFirst(RecordSet& records);
// True when there is no current row: past the end, for an empty or failed
// query, and for a closed record set.
bool AtEnd(const RecordSet& records);
void MoveNext(RecordSet& records);
// The current row's value of the column (name compared without regard to
// ASCII case) as text; the empty text for NULL, an unknown column or no row.
void ReadText(const RecordSet& records, std::string_view column, Text* value);
void Close(RecordSet& records);

// Carries out exactly one statement; true on success. Text after the first
// statement makes the call fail without running anything.
bool Execute(Connection& connection, const Text& sql, const std::vector<Text>& parameters = {});
