#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/event.h"
#include "common/form.h"

// frmchain, the segment table: every segment of the report's chain in one
// row, a row's own inputs to revise, and the chain calculated again.
namespace aquamere {

class Program;

// A row's own inputs, as the table shows them when the row is chosen.
struct ChainRowInputs {
  std::string household_ng, households, length, method;
  bool flush_valve = false;
};

// What the table was last filled from, the report and its journal by path,
// identity, size and last bytes, and each row's inputs (none for a line
// without its record): choosing a row in a long chain reads nothing again.
struct ChainTable {
  std::string source;
  std::vector<std::optional<ChainRowInputs>> inputs;
};

Form frmchain_layout();

// The head that names the table's columns.
std::string chain_head();

// Fills the table from the report in force, one row a segment, keeping the
// row chosen where the chain still has it; a row whose sums were reset
// before it (清空数据, a fresh start) is marked ※.
void fill_chain(Program& program);
void handle_frmchain(Program& program, const Event& event);

}  // namespace aquamere
