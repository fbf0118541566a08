// Every picture of the calculator pages, drawn at the size its page gives
// it, reads cleanly: labels large enough, standing out from what they are
// drawn on and clear of each other; sub- and superscripts placed by
// themselves; dimensions with arrowheads, one symbol drawn at one length.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "svg_annotation.h"
#include "ui_qt/theme.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

// Smaller than the labels of the pictures a user reads without effort
// (10 to 11 pixels at the page's size) is too small.
constexpr double kMinLabelPixels = 10;

using Faults = std::vector<std::string>;

std::string Named(const SvgLabel& l) { return "\"" + l.text.toStdString() + "\""; }

template <typename T>
std::string Text(const T& value) {
  std::ostringstream s;
  s << value;
  return s.str();
}

std::string Listed(const Faults& faults) {
  std::string out;
  for (const std::string& f : faults) out += "\n  " + f;
  return out;
}

// A picture read and placed on a page box of the given size.
class PagePictureCheck {
 public:
  PagePictureCheck(const QByteArray& svg, QSize page)
      : svg_(ReadSvgAnnotation(svg)), page_(page), toPage_(PictureToPage(svg_.viewBox, page)) {}

  const SvgAnnotation& annotation() const { return svg_; }

  Faults smallLabels() const {
    Faults out;
    for (const SvgLabel& l : svg_.labels)
      if (l.fontSize * toPage_.m11() < kMinLabelPixels)
        out.push_back(Named(l) + " is drawn " + Text(l.fontSize * toPage_.m11()) + " px high");
    return out;
  }

  // Measured on the picture drawn without its text: the worst pixel under
  // a label's box, so a stripe, a dot or a line through the words counts.
  Faults labelsLowOnContrast() const {
    Faults out;
    const QImage ground = RenderSvg(svg_.withoutText, page_, 1.0).toImage();
    for (const SvgLabel& l : svg_.labels) {
      const QRect area = toPage_.mapRect(l.box).toAlignedRect();
      if (!ground.rect().contains(area)) {
        out.push_back(Named(l) + " runs off the picture");
        continue;
      }
      double worst = 21;
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
          QColor under = ground.pixelColor(x, y);
          // What the picture leaves open shows the page, white in every theme's pictures.
          if (under.alpha() < 255) under = QColor(Qt::white);
          worst = std::min(worst, ContrastRatio(l.fill, under));
        }
      if (worst < kMinTextContrast) out.push_back(Named(l) + " stands out " + Text(worst) + ":1");
    }
    return out;
  }

  Faults labelsOverEachOther() const {
    Faults out;
    const std::vector<SvgLabel>& labels = svg_.labels;
    for (size_t i = 0; i < labels.size(); ++i)
      for (size_t j = i + 1; j < labels.size(); ++j)
        if (labels[i].box.intersects(labels[j].box)) out.push_back(Named(labels[i]) + " and " + Named(labels[j]));
    return out;
  }

  // The renderer draws a tspan's shift (dy, baseline-shift) unshifted and
  // drops a blank at its start: a sub- or superscript is a text of its own.
  Faults labelsInPieces() const {
    Faults out;
    for (const SvgLabel& l : svg_.labels) {
      if (l.pieces > 1) out.push_back(Named(l) + " is drawn in " + Text(l.pieces) + " pieces");
      if (l.transformed) out.push_back(Named(l) + " is moved by a transform");
    }
    return out;
  }

  // A dimension ends in an arrowhead at each end; a line with a bare end
  // is a leader only when it starts at a label.
  Faults bareDimensionEnds() const {
    Faults out;
    for (const QLineF& line : annotationLines())
      for (const QPointF end : {line.p1(), line.p2()}) {
        if (hasArrowheadAt(end)) continue;
        const bool leader = std::any_of(svg_.labels.begin(), svg_.labels.end(), [&](const SvgLabel& l) {
          return distance(line.p1(), l) < 8 || distance(line.p2(), l) < 8;
        });
        if (!leader) out.push_back("a bare end at " + Text(end.x()) + "," + Text(end.y()));
      }
    return out;
  }

  // A fraction bar is as long as its longer term, with a little to spare,
  // and the shorter term sits over its middle. The terms are the labels and
  // bars just above and below it, within its span.
  Faults fractionBarsOffTheirTerms() const {
    constexpr double kReach = 16;   // how far a term may stand from its bar
    constexpr double kSpare = 6;    // how far the bar may run past its longer term
    constexpr double kOffMiddle = 3;
    Faults out;
    for (const QRectF& bar : svg_.bars) {
      QRectF over, under;
      for (const SvgLabel& l : svg_.labels) {
        if (!acrossBar(l.box, bar)) continue;
        if (l.box.bottom() <= bar.top() + 3 && l.box.bottom() >= bar.top() - kReach && !barBetween(l.box, bar))
          over |= l.box;
        if (l.box.top() >= bar.bottom() - 3 && l.box.top() <= bar.bottom() + kReach) under |= l.box;
      }
      for (const QRectF& other : svg_.bars)
        if (other != bar && acrossBar(other, bar) && other.top() > bar.bottom() && other.top() <= bar.bottom() + kReach)
          under |= other;
      if (over.isNull() || under.isNull()) continue;  // a line, not a fraction
      const QRectF& longer = over.width() >= under.width() ? over : under;
      const QRectF& shorter = over.width() >= under.width() ? under : over;
      const std::string where = "the bar from " + Text(bar.left()) + " to " + Text(bar.right());
      if (const double past = std::max(longer.left() - bar.left(), bar.right() - longer.right()); past > kSpare)
        out.push_back(where + " runs " + Text(past) + " past its terms");
      if (const double off = std::abs(shorter.center().x() - bar.center().x()); off > kOffMiddle)
        out.push_back(where + " has its shorter term " + Text(off) + " off its middle");
    }
    return out;
  }

  // Two dimensions named by the same symbol measure the same thing.
  Faults symbolsAtTwoLengths() const {
    std::map<QString, std::vector<double>> lengths;
    for (const QLineF& line : annotationLines()) {
      if (!hasArrowheadAt(line.p1()) || !hasArrowheadAt(line.p2())) continue;
      const SvgLabel* nearest = nullptr;
      double best = 12;
      for (const SvgLabel& l : svg_.labels)
        if (const double d = distance(line.center(), l); d < best) best = d, nearest = &l;
      if (nearest) lengths[nearest->text].push_back(line.length());
    }
    Faults out;
    for (const auto& [symbol, drawn] : lengths) {
      const auto [shortest, longest] = std::minmax_element(drawn.begin(), drawn.end());
      if (*longest - *shortest > 1.0)
        out.push_back(symbol.toStdString() + " is drawn " + Text(*shortest) + " and " + Text(*longest) + " long");
    }
    return out;
  }

 private:
  // Lines drawn in a label's colour and not dashed: dimension lines and
  // leaders (dashed ones are extension lines).
  std::vector<QLineF> annotationLines() const {
    std::vector<QLineF> out;
    for (const SvgLine& l : svg_.lines) {
      const bool labelColour = std::any_of(svg_.labels.begin(), svg_.labels.end(),
                                           [&](const SvgLabel& label) { return label.fill == l.stroke; });
      if (labelColour && !l.dashed) out.push_back(l.line);
    }
    return out;
  }
  bool hasArrowheadAt(QPointF end) const {
    return std::any_of(svg_.polygons.begin(), svg_.polygons.end(), [&](const QPolygonF& p) {
      return p.size() == 3 && std::any_of(p.begin(), p.end(), [&](QPointF q) { return QLineF(q, end).length() < 0.75; });
    });
  }
  static bool acrossBar(const QRectF& r, const QRectF& bar) { return r.right() > bar.left() && r.left() < bar.right(); }
  // Another bar between a label above a bar and that bar: the label is the
  // other bar's term.
  bool barBetween(const QRectF& label, const QRectF& bar) const {
    return std::any_of(svg_.bars.begin(), svg_.bars.end(), [&](const QRectF& other) {
      return other != bar && acrossBar(other, label) && other.top() >= label.bottom() - 3 && other.bottom() <= bar.top();
    });
  }
  static double distance(QPointF point, const SvgLabel& label) {
    const QRectF& b = label.box;
    const double dx = std::max({b.left() - point.x(), 0.0, point.x() - b.right()});
    const double dy = std::max({b.top() - point.y(), 0.0, point.y() - b.bottom()});
    return std::hypot(dx, dy);
  }

  SvgAnnotation svg_;
  QSize page_;
  QTransform toPage_;
};

// One fault of each kind, each drawn once beside a clean dimension (the W)
// and a clean label: each check names its fault and nothing else.
TEST(PagePictureCheck, NamesEachFaultOfADrawing) {
  const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="120" viewBox="0 0 200 120">
    <rect width="200" height="120" fill="#ffffff"/>
    <rect x="100" y="0" width="100" height="40" fill="#2a62c9"/>
    <g font-family="Verdana, DejaVu Sans, sans-serif" font-size="11" fill="#0b3d6e">
      <line x1="10" y1="20" x2="50" y2="20" stroke="#0b3d6e"/>
      <polygon points="10,20 16,22.5 16,17.5"/><polygon points="50,20 44,17.5 44,22.5"/>
      <text x="30" y="16" text-anchor="middle">W</text>
      <line x1="10" y1="50" x2="30" y2="50" stroke="#0b3d6e"/>
      <polygon points="10,50 16,52.5 16,47.5"/><polygon points="30,50 24,47.5 24,52.5"/>
      <text x="20" y="46" text-anchor="middle">G</text>
      <line x1="60" y1="50" x2="90" y2="50" stroke="#0b3d6e"/>
      <polygon points="60,50 66,52.5 66,47.5"/><polygon points="90,50 84,47.5 84,52.5"/>
      <text x="75" y="46" text-anchor="middle">G</text>
      <text x="150" y="25" text-anchor="middle">on copper</text>
      <text x="10" y="80" font-size="7">tiny</text>
      <text x="60" y="80">one</text><text x="70" y="80">two</text>
      <text x="110" y="80">X<tspan dy="4">C</tspan></text>
      <line x1="10" y1="110" x2="90" y2="110" stroke="#0b3d6e"/>
      <text x="150" y="110" text-anchor="middle">clear</text>
    </g>
  </svg>)";
  const PagePictureCheck check(svg, QSize(200, 120));
  ASSERT_EQ(check.annotation().labels.size(), 9u);
  const struct {
    const char* check;
    Faults found;
    std::string names;
  } cases[] = {
      {"small", check.smallLabels(), "\"tiny\""},
      {"contrast", check.labelsLowOnContrast(), "\"on copper\""},
      {"overlap", check.labelsOverEachOther(), "\"one\" and \"two\""},
      {"pieces", check.labelsInPieces(), "\"XC\""},
      {"bare ends", check.bareDimensionEnds(), "a bare end at 10,110"},
      {"lengths", check.symbolsAtTwoLengths(), "G is drawn 20 and 30 long"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.check);
    ASSERT_GE(c.found.size(), 1u);
    EXPECT_EQ(c.found[0].rfind(c.names, 0), 0u) << c.found[0];
  }
  // Nothing else is named; the bare line has two bare ends.
  for (const auto& c : cases) EXPECT_EQ(c.found.size(), std::string(c.check) == "bare ends" ? 2u : 1u) << c.check;
}

// A fraction whose bar runs past its denominator, its numerator centred on
// the bar, beside a clean one whose denominator holds a root.
TEST(PagePictureCheck, NamesAFractionBarLongerThanItsTerms) {
  const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="60" viewBox="0 0 200 60">
    <g font-family="Verdana, DejaVu Sans, sans-serif" font-size="16" fill="#0b3d6e">
      <text x="50" y="20" text-anchor="middle">a</text>
      <rect x="10" y="25" width="80" height="1.2"/>
      <text x="14" y="42">b + c</text>
      <text x="156" y="20" text-anchor="middle">a</text>
      <rect x="124" y="25" width="64" height="1.2"/>
      <text x="128" y="42">&#8730;</text>
      <rect x="138" y="29" width="46" height="1.2"/>
      <text x="140" y="42">b + c</text>
    </g>
  </svg>)";
  const Faults faults = PagePictureCheck(svg, QSize(200, 60)).fractionBarsOffTheirTerms();
  ASSERT_EQ(faults.size(), 1u) << Listed(faults);
  EXPECT_EQ(faults[0].rfind("the bar from 10 to 90 runs", 0), 0u) << faults[0];
}

struct PagePicture {
  std::string path;  // "pictures/....svg"
  QSize size;        // as its page places it
};

void PrintTo(const PagePicture& p, std::ostream* os) {
  *os << p.path << " at " << p.size.width() << "x" << p.size.height();
}

void CollectPictures(const QJsonValue& value, std::vector<PagePicture>& out) {
  if (value.isArray()) {
    for (const QJsonValue& v : value.toArray()) CollectPictures(v, out);
    return;
  }
  if (!value.isObject()) return;
  const QJsonObject o = value.toObject();
  const QJsonArray bounds = o.value("bounds").toArray();
  if (o.contains("picture") && bounds.size() == 4) {
    const PagePicture p{o.value("picture").toString().toStdString(), QSize(bounds[2].toInt(), bounds[3].toInt())};
    const bool known = std::any_of(out.begin(), out.end(),
                                   [&](const PagePicture& q) { return q.path == p.path && q.size == p.size; });
    if (!known) out.push_back(p);
  }
  for (const QJsonValue& v : o) CollectPictures(v, out);
}

// Each picture of the calculator pages at each size a page gives it.
std::vector<PagePicture> PagePictures() {
  std::vector<PagePicture> out;
  for (const auto& [path, text] : embeddedResources())
    if (path.starts_with("forms/main/pages/") && path.ends_with(".json"))
      CollectPictures(QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size()))).object(),
                      out);
  std::sort(out.begin(), out.end(), [](const PagePicture& a, const PagePicture& b) {
    return a.path != b.path ? a.path < b.path : a.size.width() < b.size.width();
  });
  return out;
}

std::string TestName(const ::testing::TestParamInfo<PagePicture>& info) {
  std::string name = info.param.path.substr(info.param.path.find('/') + 1);
  return name.substr(0, name.find('.')) + "_" + std::to_string(info.param.size.width()) + "x" +
         std::to_string(info.param.size.height());
}

QByteArray Svg(const PagePicture& p) {
  const std::string_view svg = resource(p.path);
  return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

class PictureAtPageSize : public ::testing::TestWithParam<PagePicture> {
 protected:
  PagePictureCheck check{Svg(GetParam()), GetParam().size};
};

TEST_P(PictureAtPageSize, LabelsAreLargeEnoughToRead) {
  ASSERT_FALSE(check.annotation().viewBox.isEmpty());
  EXPECT_TRUE(check.smallLabels().empty()) << Listed(check.smallLabels());
}

TEST_P(PictureAtPageSize, LabelsStandOutFromWhatTheyAreDrawnOn) {
  const Faults faults = check.labelsLowOnContrast();
  EXPECT_TRUE(faults.empty()) << Listed(faults);
}

TEST_P(PictureAtPageSize, LabelsKeepClearOfEachOther) {
  EXPECT_TRUE(check.labelsOverEachOther().empty()) << Listed(check.labelsOverEachOther());
}

TEST_P(PictureAtPageSize, EveryLabelIsOneRunOfText) {
  EXPECT_TRUE(check.labelsInPieces().empty()) << Listed(check.labelsInPieces());
}

TEST_P(PictureAtPageSize, DimensionLinesEndInArrowheads) {
  EXPECT_TRUE(check.bareDimensionEnds().empty()) << Listed(check.bareDimensionEnds());
}

TEST_P(PictureAtPageSize, OneSymbolIsDrawnAtOneLength) {
  EXPECT_TRUE(check.symbolsAtTwoLengths().empty()) << Listed(check.symbolsAtTwoLengths());
}

TEST_P(PictureAtPageSize, FractionBarsFitTheirTerms) {
  EXPECT_TRUE(check.fractionBarsOffTheirTerms().empty()) << Listed(check.fractionBarsOffTheirTerms());
}

INSTANTIATE_TEST_SUITE_P(Pages, PictureAtPageSize, ::testing::ValuesIn(PagePictures()), TestName);

// Each device type's picture of Min Conductor Spacing marks the spacing it
// is about, in the red of the internal conductors' picture, between its two
// conductors or leads.
TEST(SpacingPictures, EachMarksTheSpacing) {
  const QColor mark(0xb0, 0x20, 0x20);
  constexpr double kMinMarkLength = 30;  // in the picture's units: most of the gap
  constexpr int kScale = 4;              // so that the thin mark is drawn in its own colour
  int pictures = 0;
  for (const PagePicture& p : PagePictures()) {
    if (!p.path.starts_with("pictures/spacing_")) continue;
    ++pictures;
    const QImage shot = RenderSvg(Svg(p), p.size * kScale, 1.0).toImage();
    auto isMark = [&](int x, int y) {
      const QColor c = shot.pixelColor(x, y);
      return std::abs(c.red() - mark.red()) + std::abs(c.green() - mark.green()) + std::abs(c.blue() - mark.blue()) < 40;
    };
    int longest = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0, run = 0; x < shot.width(); ++x) {
        run = isMark(x, y) ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    const double units = longest / PictureToPage(ReadSvgAnnotation(Svg(p)).viewBox, p.size * kScale).m11();
    EXPECT_GE(units, kMinMarkLength) << p.path;
  }
  EXPECT_EQ(pictures, 6);
}

}  // namespace
}  // namespace cq::ui
