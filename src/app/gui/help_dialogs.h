// SPDX-License-Identifier: GPL-3.0-or-later
// F1's list of keys and the "Über Tempulo" text.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QTreeWidget;

namespace tempulo {

// One line of the key list: the keys as written on them, what they do.
struct ShortcutLine {
  QString keys;
  QString action;
};

// The list shown on F1: one row per line, in the order given.
class ShortcutsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ShortcutsDialog(const std::vector<ShortcutLine>& lines, QWidget* parent = nullptr);
  QTreeWidget* List() const { return list_; }

 private:
  QTreeWidget* list_ = nullptr;
};

// Name, version, what it is, copyright and licence, as rich text.
QString AboutText();

}  // namespace tempulo
