// A folder field of the window: a one-line text with a button at its end that opens the folder
// picker.
#pragma once

#include <QLineEdit>

class FolderEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FolderEdit(QWidget* parent = nullptr);

 protected:
  // Only a folder from the file manager is taken, and only where the field takes drops.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Pick();
};
