// Draws the pictures the main window is dressed in: the window frame, the
// search field and buttons, the challenge switch and the start-up banner.
//
//   zhilan-pictures OUTDIR                 write every picture into OUTDIR
//   zhilan-pictures --preview OUT.png DIR  lay the pictures in DIR out the way
//                                          the window places them, to judge
//                                          them together
//
// Everything is drawn from code so the pictures can be regenerated and
// reviewed like any other source. The output carries no time stamps or text
// chunks, so running the program twice gives the same bytes.

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The window places its widgets over these colours, so they are fixed values
// rather than anything derived: the search edit box, for one, paints its own
// background in exactly `field`.
namespace colour {
const QColor strip(0x8E, 0x1B, 0x1B);       // title strip, y 0..30
const QColor stripHover(0xA9, 0x2A, 0x2A);  // exit button under the pointer
const QColor bandTop(0xD3, 0x37, 0x35);     // red band just under the strip
const QColor band(0xC6, 0x28, 0x28);        // red band from y 77 down, flat
const QColor bandEdge(0x93, 0x1D, 0x1D);    // line between band and grey
const QColor grey(0xEB, 0xEB, 0xEB);        // everything below the band
const QColor field(0xF4, 0xF4, 0xF4);       // search field, flat
const QColor cream(0xF8, 0xE7, 0xC9);       // logo seal, banner accents
const QColor gold(0xF5, 0xC2, 0x6B);
}  // namespace colour

const QString kSans = QStringLiteral("Noto Sans CJK SC");
const QString kSerif = QStringLiteral("Noto Serif CJK SC");

// Where the window puts each picture; the preview reproduces this layout.
struct Placement {
  const char* file;
  int x, y;
};
constexpr Placement kLayout[] = {
    {"search-row.png", 136, 77}, {"search.png", 576, 77},       {"update.png", 633, 77},
    {"exit.png", 720, 0},        {"challenge-off.png", 13, 77},
};

QFont cjkFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// Without the CJK fonts Qt would quietly substitute something else and the
// pictures would ship with boxes or a foreign-looking face, so refuse instead.
bool fontsPresent() {
  const QStringList families = QFontDatabase::families();
  bool ok = true;
  for (const QString& family : {kSans, kSerif}) {
    const QString resolved = QFontInfo(QFont(family)).family();
    if (!families.contains(family) || resolved != family) {
      std::fprintf(stderr,
                   "zhilan-pictures: font family \"%s\" is not available (resolves to \"%s\")\n",
                   qPrintable(family), qPrintable(resolved));
      ok = false;
    }
  }
  return ok;
}

QImage canvas(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Centres the visible ink of `text` on `centre`. Font ascent and descent are
// no use here: CJK faces reserve a lot of room below the glyphs, which would
// push every label visibly upwards. The baseline lands on whole pixels so the
// horizontal strokes stay sharp.
void drawCentredText(QPainter& p, QPointF centre, const QFont& font, const QString& text,
                     const QColor& colour) {
  const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
  const QPointF origin(std::round(centre.x() - ink.center().x()),
                       std::round(centre.y() - ink.center().y()));
  p.setFont(font);
  p.setPen(colour);
  p.drawText(origin, text);
}

// A rectangle whose left and/or right corners are rounded; the search row and
// the search button together make one field, so each rounds only its outer end.
QPainterPath sidedRoundRect(const QRectF& r, qreal radius, bool roundLeft, bool roundRight) {
  QPainterPath path;
  const qreal d = 2 * radius;
  if (roundLeft) {
    path.moveTo(r.left() + radius, r.top());
  } else {
    path.moveTo(r.topLeft());
  }
  if (roundRight) {
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - d, r.top(), d, d), 90, -90);
    path.lineTo(r.right(), r.bottom() - radius);
    path.arcTo(QRectF(r.right() - d, r.bottom() - d, d, d), 0, -90);
  } else {
    path.lineTo(r.topRight());
    path.lineTo(r.bottomRight());
  }
  if (roundLeft) {
    path.lineTo(r.left() + radius, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - d, d, d), 270, -90);
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), d, d), 180, -90);
  } else {
    path.lineTo(r.bottomLeft());
  }
  path.closeSubpath();
  return path;
}

// Three passes of a box blur approximate a Gaussian closely enough for soft
// shapes and shadows; Qt Gui has no blur of its own outside the widget layer.
void blur(QImage& image, int radius) {
  if (radius < 1) return;
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = image.width();
  const int h = image.height();
  std::vector<QRgb> line(std::max(w, h));
  auto pass = [&](int count, int length, auto at) {
    const int window = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
      for (int j = 0; j < length; ++j) line[j] = *at(i, j);
      long sum[4] = {0, 0, 0, 0};
      auto add = [&](int j, int sign) {
        if (j < 0 || j >= length) return;  // outside the image counts as transparent
        const QRgb c = line[j];
        sum[0] += sign * qAlpha(c);
        sum[1] += sign * qRed(c);
        sum[2] += sign * qGreen(c);
        sum[3] += sign * qBlue(c);
      };
      for (int j = -radius; j <= radius; ++j) add(j, 1);
      for (int j = 0; j < length; ++j) {
        *at(i, j) = qRgba(int(sum[1] / window), int(sum[2] / window), int(sum[3] / window),
                          int(sum[0] / window));
        add(j - radius, -1);
        add(j + radius + 1, 1);
      }
    }
  };
  for (int round = 0; round < 3; ++round) {
    pass(h, w, [&](int y, int x) { return reinterpret_cast<QRgb*>(image.scanLine(y)) + x; });
    pass(w, h, [&](int x, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)) + x; });
  }
}

bool save(const QImage& image, const QDir& dir, const char* name) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  const bool jpeg = path.endsWith(QLatin1String(".jpg"));
  // Every picture is opaque, so no alpha channel is stored.
  const QImage flat = image.convertToFormat(QImage::Format_RGB32);
  if (!flat.save(path, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1)) {
    std::fprintf(stderr, "zhilan-pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// ---------------------------------------------------------------- frame

void drawLogo(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour::cream);
  p.drawRoundedRect(r, 4, 4);
  // At 20 pixels an inner rule only blurs the character, so the seal is a
  // plain square with the character as large as it stays legible.
  drawCentredText(p, r.center(), cjkFont(kSerif, 15, true), QStringLiteral("知"), colour::strip);
}

QImage drawBackground() {
  QImage image = canvas(761, 550, colour::grey);
  QPainter p(&image);
  prepare(p);
  const int w = image.width();

  p.fillRect(0, 0, w, 30, colour::strip);
  drawLogo(p, QRectF(12, 5, 20, 20));

  // The band brightens slightly towards the strip and is flat from y 77,
  // where the search row, buttons and switch sit with the same red baked in.
  QLinearGradient fade(0, 30, 0, 77);
  fade.setColorAt(0, colour::bandTop);
  fade.setColorAt(1, colour::band);
  p.fillRect(0, 30, w, 47, fade);
  p.fillRect(0, 77, w, 50, colour::band);
  p.fillRect(0, 30, w, 1, QColor(0xDD, 0x4A, 0x46));
  p.fillRect(0, 127, w, 1, colour::bandEdge);

  // A short shadow under the band lifts it off the grey.
  QLinearGradient shade(0, 128, 0, 132);
  shade.setColorAt(0, QColor(0, 0, 0, 30));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(0, 128, w, 4, shade);

  // A faint frame around the browser area (10,137 740x400) so the page has
  // an edge even when it is as light as the grey around it.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(0xD2, 0xD2, 0xD2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(9, 136, 741, 401);
  return image;
}

QImage drawExit(bool hover) {
  QImage image = canvas(31, 30, hover ? colour::stripHover : colour::strip);
  QPainter p(&image);
  prepare(p);
  p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
  const QPointF c(15.5, 15);
  const qreal s = 5;
  p.drawLine(c + QPointF(-s, -s), c + QPointF(s, s));
  p.drawLine(c + QPointF(s, -s), c + QPointF(-s, s));
  return image;
}

// ---------------------------------------------------------------- search

// The field spans y 3..37 in both search pictures, two pixels clear of the
// edit box (y 5..35) so the box never touches the rounded end.
constexpr qreal kFieldTop = 3;
constexpr qreal kFieldHeight = 34;
constexpr qreal kFieldRadius = 17;

QImage drawSearchRow() {
  QImage image = canvas(446, 40, colour::band);
  QPainter p(&image);
  prepare(p);
  p.setPen(Qt::NoPen);
  p.setBrush(colour::field);
  // Square on the right: the search button overlaps the last pixels and
  // carries the field on to its own rounded end.
  p.drawPath(sidedRoundRect(QRectF(2, kFieldTop, 444, kFieldHeight), kFieldRadius, true, false));
  return image;
}

QImage drawSearchButton(bool hover) {
  QImage image = canvas(53, 40, colour::band);
  QPainter p(&image);
  prepare(p);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(sidedRoundRect(QRectF(0, kFieldTop, 50, kFieldHeight), kFieldRadius, false, true));

  // The row's grey field ends under x 6 of this picture; a short rule just
  // past it makes the change to white read as the start of a button,
  // whichever of the two pictures the window paints on top.
  p.fillRect(QRectF(7, 12, 1, 16), QColor(0xDD, 0xDD, 0xDD));

  const QPointF lens(26, 18.5);
  if (hover) {
    p.setBrush(QColor(0xFD, 0xEA, 0xEA));
    p.drawEllipse(QPointF(27, 20), 12.5, 12.5);
  }
  const QColor ink = hover ? QColor(0xE8, 0x3A, 0x36) : colour::band;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 2.4));
  p.drawEllipse(lens, 6.6, 6.6);
  p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap));
  const qreal d = 6.6 / std::sqrt(2.0) + 1.6;
  p.drawLine(lens + QPointF(d, d), lens + QPointF(10.2, 10.2));
  return image;
}

// ---------------------------------------------------------------- update

void drawRefreshMark(QPainter& p, QPointF c, qreal r, const QColor& ink) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 1.7, Qt::SolidLine, Qt::RoundCap));
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  p.drawArc(box, 60 * 16, 290 * 16);
  // Arrow head at the open end of the arc, pointing along the turn.
  const qreal a = qDegreesToRadians(60.0);
  const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
  QPainterPath head;
  head.moveTo(tip + QPointF(3.6, -1.6));
  head.lineTo(tip + QPointF(-1.2, -3.4));
  head.lineTo(tip + QPointF(0.6, 2.4));
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(head);
}

QImage drawUpdate(bool hover) {
  QImage image = canvas(100, 40, colour::band);
  QPainter p(&image);
  prepare(p);
  const QRectF body(1.5, kFieldTop + 0.5, 97, kFieldHeight - 1);
  QLinearGradient fill(0, body.top(), 0, body.bottom());
  if (hover) {
    fill.setColorAt(0, QColor(0xE8, 0x48, 0x42));
    fill.setColorAt(1, QColor(0xD4, 0x33, 0x30));
  } else {
    fill.setColorAt(0, QColor(0xB4, 0x22, 0x22));
    fill.setColorAt(1, QColor(0x9E, 0x1B, 0x1B));
  }
  p.setBrush(fill);
  p.setPen(QPen(QColor(255, 255, 255, hover ? 230 : 150), 1));
  p.drawRoundedRect(body, 7, 7);

  const QFont font = cjkFont(kSans, 15, true);
  const QString text = QStringLiteral("更新试题");
  const qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
  const qreal markWidth = 13, gap = 5;
  const qreal left = body.center().x() - (markWidth + gap + textWidth) / 2;
  drawRefreshMark(p, QPointF(left + markWidth / 2, 20), 5.2, Qt::white);
  drawCentredText(p, QPointF(left + markWidth + gap + textWidth / 2, 20), font, text, Qt::white);
  return image;
}

// ---------------------------------------------------------------- challenge

QImage drawChallenge(bool on) {
  QImage image = canvas(120, 40, colour::band);
  QPainter p(&image);
  prepare(p);

  const QFont font = cjkFont(kSans, 18, true);
  const QString text = QStringLiteral("挑战");
  const qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
  drawCentredText(p, QPointF(8 + textWidth / 2, 20), font, text, Qt::white);

  const QRectF pill(60, 9, 46, 22);
  p.setPen(QPen(on ? QColor(0x2A, 0x9E, 0x48) : QColor(0x8A, 0x8A, 0x8A), 1));
  p.setBrush(on ? QColor(0x3C, 0xC8, 0x64) : QColor(0xB4, 0xB4, 0xB4));
  p.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), 10.5, 10.5);

  const qreal knobRadius = 8.5;
  const QPointF knob(on ? pill.right() - 11 : pill.left() + 11, pill.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawEllipse(knob + QPointF(0, 1), knobRadius + 0.5, knobRadius + 0.5);
  p.setBrush(Qt::white);
  p.drawEllipse(knob, knobRadius, knobRadius);
  return image;
}

// ---------------------------------------------------------------- banner

// Paints `draw` onto a transparent layer, softens it and lays it over `image`.
template <typename Draw>
void softLayer(QImage& image, int radius, Draw draw) {
  QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QPainter lp(&layer);
    prepare(lp);
    draw(lp);
  }
  blur(layer, radius);
  QPainter p(&image);
  p.drawImage(0, 0, layer);
}

void drawBannerArt(QPainter& p) {
  // A magnifier over lines of text: searching the question bank.
  const QPointF lens(590, 178);
  const qreal r = 70;

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 34));
  p.drawEllipse(lens, r, r);

  // Question lines inside the lens, the second one "found" in gold.
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawRoundedRect(QRectF(lens.x() - 42, lens.y() - 30, 70, 9), 4.5, 4.5);
  p.setBrush(colour::gold);
  p.drawRoundedRect(QRectF(lens.x() - 42, lens.y() - 9, 84, 9), 4.5, 4.5);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawRoundedRect(QRectF(lens.x() - 42, lens.y() + 12, 56, 9), 4.5, 4.5);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 235), 9));
  p.drawEllipse(lens, r, r);

  const qreal a = qDegreesToRadians(45.0);
  const QPointF from = lens + QPointF((r + 8) * std::cos(a), (r + 8) * std::sin(a));
  const QPointF to = lens + QPointF((r + 62) * std::cos(a), (r + 62) * std::sin(a));
  p.setPen(QPen(colour::cream, 18, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.setPen(QPen(QColor(255, 255, 255, 235), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(lens + QPointF((r + 3) * std::cos(a), (r + 3) * std::sin(a)), from);
}

QImage drawBanner() {
  QImage image = canvas(740, 400, colour::band);
  {
    QPainter p(&image);
    prepare(p);
    QLinearGradient base(0, 0, 740, 400);
    base.setColorAt(0, QColor(0xDB, 0x3D, 0x37));
    base.setColorAt(0.55, QColor(0xB0, 0x22, 0x20));
    base.setColorAt(1, QColor(0x6C, 0x12, 0x12));
    p.fillRect(image.rect(), base);

    QRadialGradient glow(QPointF(130, 70), 420);
    glow.setColorAt(0, QColor(255, 196, 160, 70));
    glow.setColorAt(1, QColor(255, 196, 160, 0));
    p.fillRect(image.rect(), glow);
  }

  // Large soft discs give the red some depth without competing with the text.
  softLayer(image, 14, [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawEllipse(QPointF(660, 40), 150, 150);
    p.drawEllipse(QPointF(40, 420), 130, 130);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(720, 420), 190, 190);
  });

  {
    QPainter p(&image);
    prepare(p);
    // Thin rings echo the lens.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
      p.setPen(QPen(QColor(255, 255, 255, 26 - 7 * i), 1.2));
      const qreal rr = 112 + 30 * i;
      p.drawEllipse(QPointF(590, 178), rr, rr);
    }
    // A small dot grid in the lower left balances the art on the right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 8; ++col)
        p.drawEllipse(QPointF(64 + 14 * col, 336 + 14 * row), 1.7, 1.7);
  }

  softLayer(image, 10, [](QPainter& p) {
    p.translate(0, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x40, 0, 0, 110), 10));
    p.drawEllipse(QPointF(590, 178), 70, 70);
    p.setPen(QPen(QColor(0x40, 0, 0, 110), 18, Qt::SolidLine, Qt::RoundCap));
    const qreal a = qDegreesToRadians(45.0);
    p.drawLine(QPointF(590, 178) + QPointF(78 * std::cos(a), 78 * std::sin(a)),
               QPointF(590, 178) + QPointF(132 * std::cos(a), 132 * std::sin(a)));
  });
  {
    QPainter p(&image);
    prepare(p);
    drawBannerArt(p);
  }

  const QFont title = cjkFont(kSerif, 60, true);
  const QString titleText = QStringLiteral("知岚试题搜索");
  const QPointF titleAt(60, 178);
  softLayer(image, 5, [&](QPainter& p) {
    p.setFont(title);
    p.setPen(QColor(0x30, 0, 0, 150));
    p.drawText(titleAt + QPointF(0, 4), titleText);
  });

  QPainter p(&image);
  prepare(p);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(titleAt, titleText);

  p.setPen(Qt::NoPen);
  p.setBrush(colour::gold);
  p.drawRoundedRect(QRectF(63, 204, 56, 5), 2.5, 2.5);

  p.setFont(cjkFont(kSans, 22, false));
  p.setPen(QColor(255, 255, 255, 235));
  p.drawText(QPointF(62, 250), QStringLiteral("输入题目关键词，即刻查到答案"));

  const QFont small = cjkFont(kSans, 14, false);
  const QString smallText = QStringLiteral("本地题库 · 离线可用");
  const qreal smallWidth = QFontMetricsF(small).horizontalAdvance(smallText);
  const QRectF pill(62.5, 276.5, smallWidth + 30, 28);
  p.setPen(QPen(QColor(255, 255, 255, 140), 1));
  p.setBrush(QColor(255, 255, 255, 24));
  p.drawRoundedRect(pill, 14, 14);
  drawCentredText(p, pill.center(), small, smallText, colour::cream);
  return image;
}

// ---------------------------------------------------------------- preview

int preview(const QString& out, const QDir& dir) {
  QImage image(dir.filePath(QStringLiteral("background.png")));
  if (image.isNull()) {
    std::fprintf(stderr, "zhilan-pictures: no background.png in %s\n", qPrintable(dir.path()));
    return 1;
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  QPainter p(&image);
  prepare(p);
  for (const Placement& place : kLayout) {
    const QImage part(dir.filePath(QString::fromLatin1(place.file)));
    if (part.isNull()) {
      std::fprintf(stderr, "zhilan-pictures: no %s in %s\n", place.file, qPrintable(dir.path()));
      return 1;
    }
    p.drawImage(place.x, place.y, part);
  }
  const QImage banner(dir.filePath(QStringLiteral("banner.jpg")));
  if (!banner.isNull()) p.drawImage(QRectF(10, 137, 740, 400), banner);
  p.end();
  if (!image.save(out, "PNG")) {
    std::fprintf(stderr, "zhilan-pictures: cannot write %s\n", qPrintable(out));
    return 1;
  }
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: zhilan-pictures OUTDIR\n"
               "       zhilan-pictures --preview OUT.png PICTUREDIR\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The pictures are drawn without a display; the offscreen platform still
  // gives full font support.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();

  if (args.size() == 4 && args[1] == QLatin1String("--preview"))
    return preview(args[2], QDir(args[3]));
  if (args.size() != 2 || args[1].startsWith(QLatin1Char('-'))) return usage();

  if (!fontsPresent()) return 1;
  const QDir dir(args[1]);
  if (!QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "zhilan-pictures: cannot create %s\n", qPrintable(dir.path()));
    return 1;
  }

  bool ok = true;
  ok = save(drawBackground(), dir, "background.png") && ok;
  ok = save(drawSearchRow(), dir, "search-row.png") && ok;
  ok = save(drawSearchButton(false), dir, "search.png") && ok;
  ok = save(drawSearchButton(true), dir, "search-hover.png") && ok;
  ok = save(drawUpdate(false), dir, "update.png") && ok;
  ok = save(drawUpdate(true), dir, "update-hover.png") && ok;
  ok = save(drawExit(false), dir, "exit.png") && ok;
  ok = save(drawExit(true), dir, "exit-hover.png") && ok;
  ok = save(drawChallenge(false), dir, "challenge-off.png") && ok;
  ok = save(drawChallenge(true), dir, "challenge-on.png") && ok;
  ok = save(drawBanner(), dir, "banner.jpg") && ok;
  return ok ? 0 : 1;
}
