#pragma once

#include <string>
#include <vector>

#include "book/segments.h"
#include "common/event.h"
#include "common/form.h"

// frmchain, the segment table: every segment of the report's chain in one
// row, a row's own inputs to revise, and the chain calculated again.
namespace aquamere {

class Program;

Form frmchain_layout();

// The rows of the table, one a segment, and the head that names their
// columns; a row whose sums were reset before it (清空数据, a fresh start)
// is marked ※.
std::vector<std::string> chain_rows(const std::vector<book::BookSegment>& segments);
std::string chain_head();

// Fills the table from the report in force, keeping the row chosen where
// the chain still has it.
void fill_chain(Program& program);
void handle_frmchain(Program& program, const Event& event);

}  // namespace aquamere
