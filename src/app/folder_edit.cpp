// A folder field of the window.
#include "app/folder_edit.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>

namespace {

// The local folder a drag carries, or empty.
QString DroppedFolder(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QString path = data->urls().front().toLocalFile();
  return QFileInfo(path).isDir() ? QDir::toNativeSeparators(path) : QString();
}

}  // namespace

FolderEdit::FolderEdit(QWidget* parent) : QLineEdit(parent) {
  setAcceptDrops(false);  // the layout turns drops on where a field takes them
  QAction* pick = addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
  pick->setToolTip(tr("Choose a folder"));
  connect(pick, &QAction::triggered, this, &FolderEdit::Pick);
}

void FolderEdit::Pick() {
  const QString chosen = QFileDialog::getExistingDirectory(this, QString(), text());
  if (!chosen.isEmpty()) setText(QDir::toNativeSeparators(chosen));
}

void FolderEdit::dragEnterEvent(QDragEnterEvent* event) {
  if (acceptDrops() && !DroppedFolder(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FolderEdit::dragMoveEvent(QDragMoveEvent* event) {
  if (acceptDrops() && !DroppedFolder(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FolderEdit::dropEvent(QDropEvent* event) {
  const QString folder = DroppedFolder(event->mimeData());
  if (!acceptDrops() || folder.isEmpty()) return;
  setText(folder);
  event->acceptProposedAction();
}
