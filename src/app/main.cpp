// Torvane: the program entry of the window.
#include <QApplication>

#include "app/tform1.h"
#include "commands/startup.h"
#include "foundation/process.h"
#include "foundation/random.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Torvane"));
  torvane::SeedProgramRandom();
  torvane::TuneMemoryForBulkWork();
  // Where a companion log would live; nothing here writes to it.
  const std::u16string log_path =
      torvane::LogFilePath(torvane::SystemDriveRoot(), torvane::ProgramFolder());
  (void)log_path;
  TForm1 window;
  window.show();
  return app.exec();
}
