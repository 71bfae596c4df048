// Font matching (rt/core/internal.h): the font a control's text is drawn in,
// from its TextFont, TextSize, Bold, Italic and Underline.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "rt/core/internal.h"

namespace rt::core {
namespace {

// The layouts were measured with these fonts: each text fits its box in
// them. Where the named font is missing, only a font whose letters are
// exactly as wide may stand in, never one that merely looks alike (DejaVu
// Sans in Arial's place is wider and cuts "1.0.0 Linux" short).
const char* const kArialFaces[] = {"Arial", "Liberation Sans", "Arimo", "Nimbus Sans",
                                   "Nimbus Sans L"};
const char* const kHelveticaFaces[] = {"Helvetica",     "TeX Gyre Heros",  "Nimbus Sans",
                                       "Nimbus Sans L", "Liberation Sans", "Arimo",
                                       "Arial"};

// The installed font faces for a named family, best first, the standard one
// last.
QStringList LookUpFacesFor(const std::string& family, const QString& standard) {
  QStringList wanted{QString::fromStdString(family)};
  const auto add = [&](const auto& faces) {
    for (const char* face : faces) wanted << QString::fromLatin1(face);
  };
  if (family == "Arial") add(kArialFaces);
  if (family == "Helvetica" || family == "Helvetica Neue") add(kHelveticaFaces);
  QStringList faces;
  for (const QString& face : wanted)
    if (!faces.contains(face) && QFontDatabase::hasFamily(face)) faces << face;
  // No style hint: with one, fontconfig would put its generic sans-serif font
  // before the ones of the same widths.
  faces << standard;
  return faces;
}

// Each hasFamily runs fontconfig's substitution rules: a window of a dozen
// texts in one family spent some 5 ms of its start-up asking the same
// questions again. The program adds no fonts while it runs, so the answer
// for a family stays what it was.
QStringList FacesFor(const std::string& family, const QString& standard) {
  static auto* known = new std::map<std::pair<std::string, QString>, QStringList>;
  const auto key = std::make_pair(family, standard);
  auto it = known->find(key);
  if (it == known->end()) it = known->emplace(key, LookUpFacesFor(family, standard)).first;
  return it->second;
}

}  // namespace

QFont MakeFont(const std::string& family, float pixelSize, bool bold, bool italic, bool underline) {
  // The standard size is in pixels, like the layouts. Their boxes hold text
  // in a font about as wide as Helvetica at 12 to 13 px; the desktop's usual
  // font (DejaVu Sans, which is wider) takes the same room at 11 px.
  QFont font = QApplication::font();
  font.setPixelSize(kStandardTextSize);
  if (!family.empty() && family != "System") font.setFamilies(FacesFor(family, font.family()));
  if (pixelSize > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

}  // namespace rt::core
