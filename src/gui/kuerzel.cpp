#include "gui/kuerzel.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace quarvel {

QString ohneKuerzel(const QString& text) {
  QString ohne;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    ohne += text[i];
  }
  return ohne;
}

QChar kuerzel(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1].toLower();
    ++i;
  }
  return {};
}

void kuerzelVergeben(QWidget& menue) {
  QString vergeben;
  std::vector<QAction*> offen;
  for (QAction* a : menue.actions()) {
    if (a->menu() != nullptr) kuerzelVergeben(*a->menu());
    const QString text = a->text();
    if (const QChar k = kuerzel(text); !k.isNull()) {
      vergeben += k;
    } else if (!a->isSeparator() && !text.isEmpty() && !text.contains(u'&')) {
      // Where "&&" stands for "&" the positions shift; such texts are left to their author.
      offen.push_back(a);
    }
  }
  // Texts with few letters choose first: they have the fewest to choose from.
  const auto buchstabenzahl = [](const QAction* a) {
    QString verschiedene;
    for (const QChar c : a->text().toLower()) {
      if (c.isLetterOrNumber() && !verschiedene.contains(c)) verschiedene += c;
    }
    return verschiedene.size();
  };
  std::stable_sort(offen.begin(), offen.end(), [&](const QAction* a, const QAction* b) {
    return buchstabenzahl(a) < buchstabenzahl(b);
  });
  for (QAction* a : offen) {
    const QString text = a->text();
    qsizetype stelle = -1;
    for (int durchgang = 0; durchgang < 2 && stelle < 0; ++durchgang) {
      for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wortanfang = i == 0 || !text[i - 1].isLetterOrNumber();
        const QChar c = text[i].toLower();
        if ((durchgang == 0 && !wortanfang) || !c.isLetterOrNumber() || vergeben.contains(c))
          continue;
        stelle = i;
        break;
      }
    }
    if (stelle < 0) continue;
    vergeben += text[stelle].toLower();
    a->setText(text.left(stelle) + u'&' + text.mid(stelle));
  }
}

}  // namespace quarvel
