// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/text_folding.h"

namespace tempulo {
namespace {

// Lower case, German letters spelt out: "München" -> "muenchen".
QString SpeltOut(const QString& text) {
  QString folded = text.toLower();
  folded.replace(QChar(0x00E4), QStringLiteral("ae"));
  folded.replace(QChar(0x00F6), QStringLiteral("oe"));
  folded.replace(QChar(0x00FC), QStringLiteral("ue"));
  folded.replace(QChar(0x00DF), QStringLiteral("ss"));
  return folded;
}

// Lower case without accents: "München" -> "munchen", "Zürich" -> "zurich".
QString Bare(const QString& text) {
  const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
  QString bare;
  bare.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing) {
      bare.append(c);
    }
  }
  bare.replace(QChar(0x00DF), QStringLiteral("ss"));
  return bare;
}

}  // namespace

bool MatchesSearch(const QString& name, const QString& query) {
  const QString wanted = query.trimmed();
  if (wanted.isEmpty()) {
    return true;
  }
  return SpeltOut(name).contains(SpeltOut(wanted)) || Bare(name).contains(Bare(wanted)) ||
         SpeltOut(name).contains(Bare(wanted));
}

}  // namespace tempulo
