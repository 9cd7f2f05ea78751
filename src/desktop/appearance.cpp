#include "desktop/appearance.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTranslator>
#include <cmath>
#include <map>

#include "frontend/faces.h"

namespace aquamere {
namespace {

// Whether fontconfig knows the family, asked once a family. Fontconfig, not
// Qt's font database: the program starts before that database is filled,
// and filling it for one question is a good part of the time to the first
// paint.
bool is_installed(const QString& family) {
  static std::map<QString, bool> known;
  if (const auto it = known.find(family); it != known.end()) return it->second;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
  FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, wanted);
  const bool installed = fonts != nullptr && fonts->nfont > 0;
  if (fonts != nullptr) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(wanted);
  FcPatternDestroy(pattern);
  known.emplace(family, installed);
  return installed;
}

QString qt_face(std::string_view face) {
  return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

// The first of the faces that is installed, alone: with a list Qt would ask
// fontconfig at once for every script's fallback faces, a good part of the
// start-up; with one face it asks only when a character is missing from it.
// With none of them installed, the whole list goes to fontconfig to match.
QStringList installed_face(std::span<const std::string_view> faces) {
  const auto installed =
      first_installed(faces, [](std::string_view face) { return is_installed(qt_face(face)); });
  if (installed) return {qt_face(*installed)};
  QStringList families;
  for (const std::string_view face : faces) families.append(qt_face(face));
  return families;
}

QFont face(std::span<const std::string_view> faces, double points) {
  QFont font;
  font.setFamilies(installed_face(faces));
  font.setPixelSize(point_pixels(points));
  // The faces' own fontconfig rules leave them unhinted (WenQuanYi Micro Hei's
  // says so outright); Qt would otherwise hint each glyph as it first draws
  // it, 7% of the start-up (measured 22.1 ms against 20.8 ms).
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Frames draw their caption on their top line, as the layouts expect: the
// controls placed just below the caption stay inside the frame. The line is
// a pixel wide with slightly rounded corners; the caption, in the frame's
// own face, breaks it on the window's colour near its left end.
constexpr int frame_top = 7;        // the line, below the top of the frame
constexpr int caption_left = 6;     // the caption's box, from the left
constexpr int caption_padding = 4;  // blank each side of the caption
constexpr double corner_radius = 1.5;

QRect caption_box(const QStyleOptionGroupBox& box) {
  const int width = box.fontMetrics.horizontalAdvance(box.text) + 2 * caption_padding;
  return {box.rect.left() + caption_left, box.rect.top(), width, box.fontMetrics.height()};
}

void draw_frame(const QStyleOptionGroupBox& box, QPainter* painter, const QStyle* style,
                const QWidget* widget) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(box.palette.color(QPalette::Mid));
  painter->setBrush(Qt::NoBrush);
  const QRect frame = style->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxFrame, widget);
  painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), corner_radius, corner_radius);
  if (!box.text.isEmpty()) {
    const QRect caption = style->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, widget);
    painter->fillRect(caption, box.palette.color(QPalette::Window));
    style->drawItemText(painter, caption.adjusted(caption_padding, 0, -caption_padding, 0),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box.palette,
                        (box.state & QStyle::State_Enabled) != 0, box.text, QPalette::WindowText);
  }
  painter->restore();
}

// Fusion with the program's frames. The frames are drawn here rather than by
// a style sheet: a style sheet would put every control inside a frame under
// Qt's style-sheet style, which polishes and paints each of them by its
// rules, a good part of start-up.
class AquamereStyle : public QProxyStyle {
 public:
  AquamereStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    draw_frame(*box, painter, this, widget);
  }

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr)
      return QProxyStyle::subControlRect(control, option, part, widget);
    switch (part) {
      case SC_GroupBoxLabel:
        return caption_box(*box);
      case SC_GroupBoxFrame:
        return box->rect.adjusted(0, frame_top, 0, 0);
      case SC_GroupBoxContents:
        return box->rect.adjusted(1, frame_top + 1, -1, -1);
      default:
        return {};
    }
  }
};

}  // namespace

QRect qt_rect(const Rect& rect) {
  const PixelRect r = to_pixels(rect);
  return {r.left, r.top, r.width, r.height};
}

QFont control_font(const std::optional<Font>& font) {
  return face(faces_for(font), font ? font->points : default_points);
}

void set_up_application(QApplication& app) {
  QApplication::setApplicationName("Aquamere");
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName("aquamere");
  QApplication::setStyle(new AquamereStyle);
  // The program ends when the form model says so: closing the main window
  // leaves the report viewer or a reference window open.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(control_font(std::nullopt));
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
