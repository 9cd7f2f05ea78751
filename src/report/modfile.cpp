#include "report/modfile.h"

#include "mainwindow/program.h"

namespace aquamere {

void ModFile::put_seg() {}
void ModFile::put_head() {}
void ModFile::new_book() {}
void ModFile::load_book() {}
void ModFile::put_sum() {}

}  // namespace aquamere
