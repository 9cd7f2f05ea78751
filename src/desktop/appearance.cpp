#include "desktop/appearance.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <cmath>

namespace aquamere {
namespace {

constexpr int twips_per_pixel = 15;
constexpr double pixels_per_point = 96.0 / 72.0;
constexpr double default_points = 9;

const QStringList& sans_faces() {
  static const QStringList faces{"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei",
                                 "AR PL UMing CN"};
  return faces;
}

const QStringList& song_faces() {
  static const QStringList faces{"SimSun", "AR PL UMing CN", "AR PL UMing TW", "Noto Serif CJK SC",
                                 "WenQuanYi Micro Hei"};
  return faces;
}

// The fixed-pitch Song face: a Chinese character two columns wide, a Latin
// letter one, as the report counts its columns.
const QStringList& fixed_song_faces() {
  static const QStringList faces{"NSimSun", "WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC", "monospace"};
  return faces;
}

bool is_song(const std::string& family) { return family == "宋体" || family == "SimSun"; }
bool is_fixed_song(const std::string& family) { return family == "新宋体" || family == "NSimSun"; }

QFont face(const QStringList& families, double points) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(static_cast<int>(std::lround(points * pixels_per_point)));
  // The faces' own fontconfig rules leave them unhinted (WenQuanYi Micro Hei's
  // says so outright); Qt would otherwise hint each glyph as it first draws
  // it, a good part of the start-up's font work.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

int to_pixels(int twips) { return (twips + twips_per_pixel / 2) / twips_per_pixel; }

QRect to_pixels(const Rect& rect) {
  return {to_pixels(rect.left), to_pixels(rect.top), to_pixels(rect.width), to_pixels(rect.height)};
}

QFont control_font(const std::optional<Font>& font) {
  if (!font) return face(sans_faces(), default_points);
  if (is_song(font->family)) return face(song_faces(), font->points);
  if (is_fixed_song(font->family)) return face(fixed_song_faces(), font->points);
  QStringList families = sans_faces();
  families.prepend(QString::fromStdString(font->family));
  return face(families, font->points);
}

void set_up_application(QApplication& app) {
  QApplication::setApplicationName("Aquamere");
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName("aquamere");
  QApplication::setStyle("Fusion");
  QApplication::setFont(control_font(std::nullopt));
  // The program ends when the form model says so: closing the main window
  // leaves the report viewer or a reference window open.
  QApplication::setQuitOnLastWindowClosed(false);
  // The standard buttons read 确定 and 取消; once, however often the
  // application is set up.
  const QString translator_name = QStringLiteral("aquamere-qtbase");
  if (app.findChild<QTranslator*>(translator_name) != nullptr) return;
  auto* translator = new QTranslator(&app);
  translator->setObjectName(translator_name);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace aquamere
