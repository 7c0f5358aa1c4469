// The main window.
#include "app/tform1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>
#include <thread>

#include "commands/index_commands.h"
#include "commands/planning_commands.h"
#include "foundation/error.h"
#include "foundation/file_names.h"
#include "ui_TForm1.h"

using namespace torvane;

namespace {

QString Q(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }
std::u16string U(const QString& text) { return text.toStdU16String(); }

}  // namespace

// The Ui port as the window keeps it: the command runs on its own thread, and each request
// crosses to the window's thread; a message box waits there until the user closes it.
class WindowUi : public UiPort {
 public:
  explicit WindowUi(TForm1* form) : form_(form) {}

  void ShellOpen(std::u16string_view target, std::u16string_view parameters) override {
    (void)parameters;
    const QString path = QDir::current().absoluteFilePath(QString::fromStdString(NativePath(target)));
    QMetaObject::invokeMethod(form_, [form = form_, path] { form->OpenInShell(path); },
                              Qt::QueuedConnection);
  }
  void MessageBox(std::u16string_view text, std::u16string_view caption) override {
    const QString t = Q(text), c = Q(caption);
    QMetaObject::invokeMethod(form_, [form = form_, t, c] { form->ShowCritical(t, c); },
                              Qt::BlockingQueuedConnection);
  }
  void Progress(int64_t done, int64_t total) override {
    if (done != total && done % 16 != 0) return;
    QMetaObject::invokeMethod(form_, [form = form_, done, total] { form->ShowProgress(done, total); },
                              Qt::QueuedConnection);
  }

 private:
  TForm1* form_;
};

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TForm1>()) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(699, 597);
  QFont font;
  // Tahoma where the desktop has it; Chinese captions fall back to WenQuanYi Micro Hei.
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(11);
  setFont(font);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }

  ShowCritical = [this](const QString& text, const QString& caption) {
    QMessageBox::critical(this, caption, text);
  };
  OpenInShell = [](const QString& target) { QDesktopServices::openUrl(QUrl::fromLocalFile(target)); };

  FormCreate();
  WireButtons();
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  ui_->ButtonFullCopy->setFocus();
}

TForm1::~TForm1() {
  if (worker_.joinable()) worker_.join();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (busy_) {
    ui_->Memo1->appendPlainText(QStringLiteral("A command is still running; close the window when it has finished."));
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void TForm1::FormCreate() {
  state_ = CreateSharedState();
  versions_ = new QButtonGroup(this);
  auto* column = new QVBoxLayout(ui_->RadioGroup1);
  for (int v = 0; v < kDriverVersionCount; ++v) {
    auto* item = new QRadioButton(Q(DriverVersionText(static_cast<TDriverVersion>(v))), ui_->RadioGroup1);
    versions_->addButton(item, v);
    column->addWidget(item);
  }
  // The items take the group's place in the tab order, which the layout gave the empty group.
  QWidget* previous = ui_->DestDir;
  for (QAbstractButton* item : versions_->buttons()) {
    QWidget::setTabOrder(previous, item);
    previous = item;
  }
  QWidget::setTabOrder(previous, ui_->ButtonFullIndex);
  // idToggled fires only on a change, so choosing the chosen item again does nothing.
  connect(versions_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) RadioGroup1Click(id);
  });
  versions_->button(dvWin7x64)->setChecked(true);
  state_.TargetVersion = dvWin7x64;
}

void TForm1::RadioGroup1Click(int index) {
  const std::u16string chosen = U(versions_->button(index)->text());
  for (int v = 0; v < kDriverVersionCount; ++v) {
    if (chosen == DriverVersionText(static_cast<TDriverVersion>(v))) {
      state_.TargetVersion = static_cast<TDriverVersion>(v);
      state_.Caption = chosen;
      setWindowTitle(Q(chosen));
      return;
    }
  }
}

void TForm1::WireButtons() {
  const Ui::TForm1& c = *ui_;
  const std::pair<QPushButton*, void (TForm1::*)()> handlers[] = {
      {c.ButtonFullCopy, &TForm1::ButtonFullCopyClick},
      {c.ButtonFullIndex, &TForm1::ButtonFullIndexClick},
      {c.ButtonCreateWIM, &TForm1::ButtonCreateWIMClick},
      {c.ButtonCompressWim, &TForm1::ButtonCompressWimClick},
      {c.ButtonSingle, &TForm1::ButtonSingleClick},
      {c.ButtonMulti, &TForm1::ButtonMultiClick},
      {c.ButtonMiniCopy, &TForm1::ButtonMiniIndexClick},
      {c.ButtonMiniIndex, &TForm1::ButtonMiniIndexClick},
      {c.ButtonFilesMD5, &TForm1::ButtonFilesMD5Click},
      {c.ButtonCom, &TForm1::ButtonComClick},
      {c.Button1, &TForm1::Button1Click},
      {c.Button2, &TForm1::Button2Click},
      {c.Button3, &TForm1::Button3Click},
      {c.Button4, &TForm1::Button4Click},
      {c.Button5, &TForm1::Button5Click},
  };
  for (const auto& [button, handler] : handlers) connect(button, &QPushButton::clicked, this, handler);
}

// The handlers read the fields on the window's thread and hand the command its inputs.
void TForm1::ButtonFullCopyClick() {
  Run(ui_->ButtonFullCopy->text(), [this, src = U(ui_->SrcDir->text()), dest = U(ui_->DestDir->text())](
                                       UiPort& ui) { return FullCopyCommand(src, dest, state_, ui); });
}

void TForm1::ButtonFullIndexClick() {
  Run(ui_->ButtonFullIndex->text(),
      [this, dest = U(ui_->DestDir->text())](UiPort& ui) { return FullIndexCommand(dest, state_, ui); });
}

void TForm1::ButtonCreateWIMClick() {
  Run(ui_->ButtonCreateWIM->text(),
      [this, dest = U(ui_->DestDir->text())](UiPort&) { return CreateWimCommand(dest, state_); });
}

void TForm1::ButtonCompressWimClick() {
  Run(ui_->ButtonCompressWim->text(),
      [dest = U(ui_->DestDir->text())](UiPort&) { return CompressCommand(dest, false); });
}

void TForm1::ButtonSingleClick() {
  Run(ui_->ButtonSingle->text(), [this](UiPort& ui) { return SingleFileTestCommand(state_, ui); });
}

void TForm1::ButtonMultiClick() {
  Run(ui_->ButtonMulti->text(),
      [this, src = U(ui_->SrcDir->text())](UiPort& ui) { return MultiFileTestCommand(src, state_, ui); });
}

void TForm1::ButtonMiniIndexClick() {
  Run(ui_->ButtonMiniIndex->text(), [this](UiPort&) { return MiniCopyCommand(state_); });
}

void TForm1::ButtonFilesMD5Click() {
  Run(ui_->ButtonFilesMD5->text(),
      [dest = U(ui_->DestDir->text())](UiPort& ui) { return FilesMD5Command(dest, ui); });
}

void TForm1::ButtonComClick() {
  Run(ui_->ButtonCom->text(), [dest = U(ui_->DestDir->text())](UiPort&) { return CompressCommand(dest, true); });
}

void TForm1::Button1Click() {
  Run(ui_->Button1->text(), [](UiPort&) { return DedupeCommand(); });
}

void TForm1::Button2Click() {
  Run(ui_->Button2->text(), [this](UiPort& ui) { return InfListCommand(state_, ui); });
}

void TForm1::Button3Click() {
  Run(ui_->Button3->text(), [this](UiPort& ui) { return DrvListCommand(state_, ui); });
}

void TForm1::Button4Click() {
  Run(ui_->Button4->text(), [this](UiPort& ui) { return PlanCommand(state_, ui); });
}

void TForm1::Button5Click() {
  Run(ui_->Button5->text(), [](UiPort&) { return ScrambleCommand(); });
}

void TForm1::Run(const QString& name, std::function<CommandResult(UiPort&)> command) {
  if (busy_) return;
  SetBusy(true);
  if (worker_.joinable()) worker_.join();  // the last command's thread has finished its work
  worker_ = std::thread([this, name, command = std::move(command)] {
    WindowUi ui(this);
    std::shared_ptr<CommandResult> result;
    QString error;
    try {
      result = std::make_shared<CommandResult>(command(ui));
    } catch (const Error& e) {
      error = Q(e.Message());
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
    QMetaObject::invokeMethod(this, [this, name, result, error] { Finish(name, result.get(), error); },
                              Qt::QueuedConnection);
  });
}

void TForm1::Finish(const QString& name, const CommandResult* result, const QString& error) {
  SetBusy(false);
  setWindowTitle(Q(state_.Caption));
  // One memo line per finished command: what it wrote and which INF files failed, or the error.
  if (result == nullptr) {
    ui_->Memo1->appendPlainText(name + QStringLiteral(": ") + error);
    ShowCritical(error, QStringLiteral("Torvane"));
  } else {
    QStringList parts;
    for (const WrittenFile& file : result->written) {
      parts << (file.lines < 0 ? Q(file.name) : QStringLiteral("%1 (%2)").arg(Q(file.name)).arg(file.lines));
    }
    QString line = name + QStringLiteral(": ") +
                   (parts.isEmpty() ? QStringLiteral("nothing written") : QStringLiteral("wrote ") + parts.join(QStringLiteral(", ")));
    if (!result->failed_infs.empty()) {
      QStringList failed;
      for (const auto& path : result->failed_infs) failed << Q(path);
      line += QStringLiteral("; %1 INF file(s) failed to scan: ").arg(failed.size()) + failed.join(QStringLiteral(", "));
    }
    for (const auto& note : result->notes) line += QStringLiteral("; ") + Q(note);
    ui_->Memo1->appendPlainText(line);
  }
  emit CommandFinished();
}

void TForm1::SetBusy(bool busy) {
  busy_ = busy;
  for (QPushButton* button : findChildren<QPushButton*>()) button->setEnabled(!busy);
  ui_->RadioGroup1->setEnabled(!busy);
  ui_->Progress->setVisible(false);
}

void TForm1::ShowProgress(qint64 done, qint64 total) {
  if (!busy_) return;
  ui_->Progress->setRange(0, static_cast<int>(total));
  ui_->Progress->setValue(static_cast<int>(done));
  ui_->Progress->setFormat(QStringLiteral("%1 / %2").arg(done).arg(total));
  ui_->Progress->setVisible(true);
}

// Enter presses the default button from anywhere but a button, which it presses instead; the
// memo takes no Enter of its own.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      auto* button = qobject_cast<QPushButton*>(watched);
      QPushButton* target = button != nullptr ? button : ui_->ButtonFullCopy;
      if (target->isEnabled()) target->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
