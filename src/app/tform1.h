// The main window: the folder fields, the Windows-version choice, the command buttons and the
// memo that reports what each command did.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <thread>

#include "commands/command_result.h"
#include "commands/shared_state.h"
#include "commands/ui_port.h"

namespace Ui {
class TForm1;
}
class QButtonGroup;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  torvane::SharedState& State() { return state_; }
  Ui::TForm1& Controls() { return *ui_; }
  /// True while a command runs; the buttons are disabled then.
  bool Busy() const { return busy_; }

  /// How the window shows an error box or a command's message box (text, caption) and hands a
  /// file or folder to the desktop. Tests replace them to read what would be shown.
  std::function<void(const QString& text, const QString& caption)> ShowCritical;
  std::function<void(const QString& target)> OpenInShell;

 signals:
  void CommandFinished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// A running command keeps the window open: its files are written whole or not at all, and
  /// it may still have a message to show.
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class WindowUi;

  void FormCreate();
  void RadioGroup1Click(int index);
  void WireButtons();

  // One handler per button; both "精简移动" buttons share ButtonMiniIndexClick.
  void ButtonFullCopyClick();
  void ButtonFullIndexClick();
  void ButtonCreateWIMClick();
  void ButtonCompressWimClick();
  void ButtonSingleClick();
  void ButtonMultiClick();
  void ButtonMiniIndexClick();
  void ButtonFilesMD5Click();
  void ButtonComClick();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  /// Runs the command off the window's thread; the memo gets its result or its error.
  void Run(const QString& name, std::function<torvane::CommandResult(torvane::UiPort&)> command);
  void Finish(const QString& name, const torvane::CommandResult* result, const QString& error);
  void SetBusy(bool busy);
  void ShowProgress(qint64 done, qint64 total);

  std::unique_ptr<Ui::TForm1> ui_;
  QButtonGroup* versions_ = nullptr;
  torvane::SharedState state_;
  bool busy_ = false;
  std::thread worker_;
};
