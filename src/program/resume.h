#pragma once

// 继续计算 and 打开计算书: the chain of the report in force, or of another
// report the designer opens, taken up where its journal ends.
namespace aquamere {

class Program;

// The main window as it was after the report's last segment, with its
// sums, its counter, the running friction loss, the inputs and the
// material, so that the next segment carries the chain on.
void resume_chain(Program& p);
// The report picked becomes the one in force and its chain is taken up.
void open_report(Program& p);

}  // namespace aquamere
