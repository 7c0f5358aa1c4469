// Tests of the main window, on the offscreen platform: layout and start-up state, the version
// choice, the keyboard, the wiring of the buttons and the error box.
#include <QButtonGroup>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/folder_edit.h"
#include "app/tform1.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"
#include "ui_TForm1.h"

namespace {

struct Shown {
  QStringList boxes;   // "CAPTION: TEXT"
  QStringList opened;
};

// A window whose message boxes and desktop hand-overs are recorded instead of shown.
std::unique_ptr<TForm1> MakeWindow(Shown& shown) {
  auto window = std::make_unique<TForm1>();
  window->ShowCritical = [&shown](const QString& text, const QString& caption) {
    shown.boxes << caption + QStringLiteral(": ") + text;
  };
  window->OpenInShell = [&shown](const QString& target) { shown.opened << target; };
  window->show();
  window->activateWindow();
  return window;
}

bool WaitForCommand(TForm1& window) {
  QSignalSpy finished(&window, &TForm1::CommandFinished);
  return finished.wait(20000);
}

void Click(TForm1& window, QPushButton* button) {
  QSignalSpy finished(&window, &TForm1::CommandFinished);
  button->click();
  QVERIFY(finished.wait(20000));
}

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithWindows7x64Chosen() {
    Shown shown;
    auto w = MakeWindow(shown);
    QCOMPARE(w->windowTitle(), QStringLiteral("Windows 7 x64"));
    QCOMPARE(w->State().Caption, std::u16string(u"Windows 7 x64"));
    QCOMPARE(static_cast<int>(w->State().TargetVersion), 2);
    QCOMPARE(w->State().MfgsList.Count(), 1042);
    QCOMPARE(w->State().ErrorList.Count(), 0);
    const auto items = w->Controls().RadioGroup1->findChildren<QRadioButton*>();
    QStringList texts;
    for (auto* item : items) texts << item->text();
    QCOMPARE(texts, (QStringList{"Windows XP x86", "Windows 7 x86", "Windows 7 x64", "Windows 8 x86",
                                 "Windows 8 x64"}));
    QVERIFY(items[2]->isChecked());
    QCOMPARE(w->Controls().Memo1->toPlainText(), QStringLiteral("Memo1"));
    QCOMPARE(w->size(), QSize(699, 597));
    QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->font().pixelSize(), 11);
    QCOMPARE(w->font().families().front(), QStringLiteral("Tahoma"));
  }

  void ControlsStandWhereTheLayoutPutsThem() {
    Shown shown;
    auto w = MakeWindow(shown);
    const struct {
      const char* name;
      QRect geometry;
      QString text;
    } controls[] = {
        {"Label1", {8, 13, 132, 13}, "原始驱动文件存放目录："},
        {"SrcDir", {8, 32, 370, 21}, "E:\\Brisvale\\_DrvISO\\DP_Biometric_15024"},
        {"ButtonFullCopy", {222, 167, 75, 25}, "完全移动"},
        {"Label2", {8, 72, 132, 13}, "目标驱动文件存放目录："},
        {"DestDir", {8, 91, 370, 21}, "E:\\Drv7x64_ALL\\Drivers\\Files"},
        {"RadioGroup1", {8, 128, 201, 164}, "Windows 版本选择"},
        {"ButtonFullIndex", {303, 167, 75, 25}, "完全索引"},
        {"ButtonCreateWIM", {222, 267, 75, 25}, "生成镜像"},
        {"ButtonCompressWim", {303, 267, 75, 25}, "压缩镜像"},
        {"ButtonSingle", {222, 134, 75, 25}, "单文件测试"},
        {"ButtonMulti", {303, 134, 75, 25}, "多文件测试"},
        {"ButtonMiniCopy", {222, 234, 75, 25}, "精简移动"},
        {"ButtonMiniIndex", {303, 234, 75, 25}, "精简移动"},
        {"ButtonFilesMD5", {222, 201, 75, 25}, "文件信息"},
        {"ButtonCom", {303, 201, 75, 25}, "压缩驱动"},
        {"Button2", {473, 30, 75, 25}, "驱动安装文件"},
        {"Memo1", {8, 329, 683, 260}, "Memo1"},
        {"Button3", {554, 30, 75, 25}, "驱动备份文件"},
        {"Button4", {392, 61, 75, 25}, "驱动复制命令"},
        {"Button1", {392, 30, 75, 25}, "所有驱动文件"},
        {"Button5", {400, 288, 75, 25}, "Button5"},
    };
    for (const auto& c : controls) {
      QWidget* widget = w->findChild<QWidget*>(c.name);
      QVERIFY2(widget != nullptr, c.name);
      QCOMPARE(widget->geometry(), c.geometry);
      QString text;
      if (auto* b = qobject_cast<QPushButton*>(widget)) text = b->text();
      if (auto* l = qobject_cast<QLabel*>(widget)) text = l->text();
      if (auto* f = qobject_cast<FolderEdit*>(widget)) text = f->text();
      if (auto* g = qobject_cast<QGroupBox*>(widget)) text = g->title();
      if (auto* m = qobject_cast<QPlainTextEdit*>(widget)) text = m->toPlainText();
      QCOMPARE(text, c.text);
    }
    QVERIFY(w->Controls().ButtonFullCopy->isDefault());
    QVERIFY(w->Controls().DestDir->acceptDrops());
    QVERIFY(!w->Controls().SrcDir->acceptDrops());
  }

  void TabWalksTheLayoutOrder() {
    Shown shown;
    auto w = MakeWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Controls().ButtonFullCopy->setFocus();
    const QStringList expected = {"SrcDir", "DestDir", "RadioGroup1", "ButtonFullIndex",
                                  "ButtonCreateWIM", "ButtonCompressWim", "ButtonSingle", "ButtonMulti",
                                  "ButtonMiniCopy", "ButtonMiniIndex", "ButtonFilesMD5", "ButtonCom",
                                  "Button2", "Memo1", "Button3", "Button4", "Button1", "Button5",
                                  "ButtonFullCopy"};
    QStringList walked;
    for (int k = 0; k < expected.size(); ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // Composite controls take the focus through a part of theirs.
      while (focus != nullptr && focus->objectName().isEmpty()) focus = focus->parentWidget();
      if (qobject_cast<QRadioButton*>(QApplication::focusWidget())) focus = w->Controls().RadioGroup1;
      walked << (focus ? focus->objectName() : QStringLiteral("?"));
    }
    QCOMPARE(walked, expected);
  }

  void OnlyTheDestinationTakesADroppedFolder() {
    torvane::testing::TempDir dir;
    dir.MakeDir("dropped");
    Shown shown;
    auto w = MakeWindow(shown);
    for (FolderEdit* field : {w->Controls().DestDir, w->Controls().SrcDir}) {
      const QString before = field->text();
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.Join("dropped")))});
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(field, &enter);
      QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(field, &drop);
      if (field == w->Controls().DestDir) {
        QCOMPARE(field->text(), QString::fromStdString(dir.Join("dropped")));
      } else {
        QCOMPARE(field->text(), before);
      }
    }
  }

  void ChoosingAVersionSetsTargetAndCaptionOnce() {
    Shown shown;
    auto w = MakeWindow(shown);
    auto items = w->Controls().RadioGroup1->findChildren<QRadioButton*>();
    items[0]->click();
    QCOMPARE(static_cast<int>(w->State().TargetVersion), 0);
    QCOMPARE(w->windowTitle(), QStringLiteral("Windows XP x86"));
    w->State().Caption = u"changed elsewhere";
    items[0]->click();  // chosen already: nothing runs
    QCOMPARE(w->State().Caption, std::u16string(u"changed elsewhere"));
    items[4]->click();
    QCOMPARE(static_cast<int>(w->State().TargetVersion), 4);
    QCOMPARE(w->windowTitle(), QStringLiteral("Windows 8 x64"));
  }

  void EnterInTheMemoRunsTheFullCopy() {
    torvane::testing::TempDir dir;
    torvane::testing::ScopedWorkingDir in(dir.path());
    Shown shown;
    auto w = MakeWindow(shown);
    w->Controls().SrcDir->setText(QStringLiteral("Missing"));
    QSignalSpy finished(w.get(), &TForm1::CommandFinished);
    QTest::keyClick(w->Controls().Memo1, Qt::Key_Return);
    QVERIFY(finished.wait(20000));
    QCOMPARE(shown.boxes, QStringList{"目录设置: 没有发现设置的驱动程序目录，请重新设置目录！"});
    QCOMPARE(w->Controls().Memo1->toPlainText().split('\n').size(), 2);
  }

  void ARunningCommandKeepsTheWindowOpen() {
    torvane::testing::TempDir dir;
    torvane::testing::ScopedWorkingDir in(dir.path());
    Shown shown;
    auto w = MakeWindow(shown);
    bool closed = true;
    // The full copy's message box is shown while its command still runs.
    w->ShowCritical = [&](const QString&, const QString&) { closed = w->close(); };
    w->Controls().SrcDir->setText(QStringLiteral("Missing"));
    Click(*w, w->Controls().ButtonFullCopy);
    QVERIFY(!closed);
    QVERIFY(w->isVisible());
    QVERIFY(w->close());  // finished: now it closes
  }

  void BothReducedCopyButtonsRunOneCommand() {
    torvane::testing::TempDir dir;
    torvane::testing::ScopedWorkingDir in(dir.path());
    dir.WriteFile("IndexList.txt", "");
    dir.WriteFile("HwidsList.txt", "Files\\Net\\A\\a.inf\r\n");
    dir.WriteFile("Feng.txt", "3000@0@\r\n");
    Shown shown;
    auto w = MakeWindow(shown);
    for (QPushButton* button : {w->Controls().ButtonMiniCopy, w->Controls().ButtonMiniIndex}) {
      std::filesystem::remove(dir.Join("Geng.txt"));
      Click(*w, button);
      QCOMPARE(torvane::testing::ReadFileBytes(dir.Join("Geng.txt")),
               std::string("robocopy D:\\Brisvale\\Drivers\\Files\\Net\\A\\ TTTD:\\Brisvale\\Drivers\\Files\\Net\\A\\ /e\r\n"));
      QCOMPARE(w->windowTitle(), QStringLiteral("1"));
    }
    QVERIFY(shown.boxes.isEmpty());
  }

  void AFailingCommandShowsItsErrorAndTheWindowGoesOn() {
    torvane::testing::TempDir dir;
    torvane::testing::ScopedWorkingDir in(dir.path());
    Shown shown;
    auto w = MakeWindow(shown);
    Click(*w, w->Controls().Button5);  // "HwidsTemp.txt" is missing here
    QCOMPARE(shown.boxes.size(), 1);
    QVERIFY(shown.boxes[0].startsWith(QStringLiteral("Torvane: Cannot open file \"")));
    QVERIFY(shown.boxes[0].endsWith(QStringLiteral("HwidsTemp.txt\". No such file or directory")));
    QVERIFY(w->Controls().Button5->isEnabled());
    QVERIFY(!w->Busy());
  }

  void FullIndexOfTheSampleStore() {
    torvane::testing::TempDir dir;
    torvane::testing::CopySampleStore(dir);
    torvane::testing::ScopedWorkingDir in(dir.path());
    Shown shown;
    auto w = MakeWindow(shown);
    w->Controls().DestDir->setText(QStringLiteral("Drivers\\Files"));
    Click(*w, w->Controls().ButtonFullIndex);
    QVERIFY(shown.boxes.isEmpty());
    for (const char* name : {"HwidsList.txt", "IndexTemp.txt", "ErrorList.txt", "IndexList.txt",
                             "UsrIDList.txt", "HwidsTemp.txt", "HwidsList.dis", "IndexList.dis",
                             "IndexTemp.dis", "UsrIDList.dis", "HwidsTemp.dis"}) {
      QVERIFY2(std::filesystem::exists(dir.Join(name)), name);
    }
    QCOMPARE(shown.opened.size(), 1);  // the program's folder
    const QString memo = w->Controls().Memo1->toPlainText();
    const QStringList memo_lines = memo.split('\n');
    QCOMPARE(memo_lines.size(), 2);  // "Memo1", then one line for the command
    QVERIFY2(memo_lines[1].startsWith(QStringLiteral("完全索引: wrote IndexTemp.txt (46), ErrorList.txt (1), "
                                                     "IndexList.txt (40), HwidsList.txt (166)")),
             qPrintable(memo));
    QVERIFY(memo_lines[1].endsWith(QStringLiteral("; 1 INF file(s) failed to scan: "
                                                  "Drivers\\Files\\USB\\Fresco Logic\\[3.5.30.0]\\flxhcic.inf")));
  }

  void RendersChineseCaptions() {
    Shown shown;
    auto w = MakeWindow(shown);
    const QString path = QStringLiteral(TORVANE_BINARY_DIR "/window.png");
    QVERIFY(w->grab().save(path));
    // A caption drawn with a font that has the characters leaves more than a few distinct
    // pixels; boxes for missing glyphs would give far fewer.
    const QImage label = w->Controls().Label1->grab().toImage();
    QSet<QRgb> colours;
    int dark = 0;
    for (int y = 0; y < label.height(); ++y) {
      for (int x = 0; x < label.width(); ++x) {
        colours.insert(label.pixel(x, y));
        dark += qGray(label.pixel(x, y)) < 128;
      }
    }
    QVERIFY(QFontMetrics(w->font()).inFont(QChar(0x539f)));  // 原
    QVERIFY2(dark > 60, qPrintable(QString::number(dark)));
  }
};

QTEST_MAIN(TForm1Test)
#include "tform1_test.moc"
