#include "ui_qt/licence_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <vector>

namespace cq::ui {

namespace {

const char* const kAbout =
    "Cirquet is a desktop engineering calculator for printed-circuit-board designers: nineteen "
    "calculators in one window, among them trace and differential-pair impedance, vias and padstacks, "
    "fusing current and thermal management, with a shared Options panel and an Imperial/Metric switch.";

const char* const kNotice =
    "Cirquet is free software: you can redistribute it and/or modify it under the terms of the GNU "
    "General Public License as published by the Free Software Foundation, either version 3 of the "
    "License, or (at your option) any later version.";

const char* const kNoWarranty =
    "Cirquet is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even "
    "the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General "
    "Public License for more details.";

const char* const kWhereTheText =
    "The full text of the GNU General Public License, version 3, follows from page 2 of this document. "
    "It is also the file LICENSE of Cirquet's source code, and it is published at\u2028"
    "https://www.gnu.org/licenses/gpl-3.0.html";

const char* const kThirdParty =
    "Cirquet uses the Qt 6 libraries, JSON for Modern C++ and the DejaVu fonts. Their copyright "
    "notices and licences follow the licence, under \"Third-party notices\".";

const char* const kReference =
    "The calculations are for reference only: check every result against the standards and datasheets "
    "that apply to your design.";

const char* const kQt =
    "Cirquet uses the Qt 6 libraries Qt Core, Qt GUI, Qt Widgets, Qt SVG and Qt Print Support, "
    "Copyright (C) The Qt Company Ltd. and other contributors, under the GNU Lesser General Public "
    "License, version 3, whose text follows; it adds permissions to the GNU General Public License "
    "above. Cirquet uses them as shared libraries, which you may replace with versions of your own. "
    "Their source code is published at https://download.qt.io/ and, on Debian, in the source packages "
    "qt6-base and qt6-svg.";

const char* const kJson =
    "Cirquet reads its window descriptions with JSON for Modern C++ (nlohmann-json), Copyright (c) "
    "2013-2022 Niels Lohmann <https://nlohmann.me>, with parts Copyright (c) 2009 Florian Loitsch and "
    "Copyright (c) 2008-2009 Bjoern Hoehrmann, under the MIT License:";

const char* const kMit =
    "Permission is hereby granted, free of charge, to any person obtaining a copy\n"
    "of this software and associated documentation files (the \"Software\"), to deal\n"
    "in the Software without restriction, including without limitation the rights\n"
    "to use, copy, modify, merge, publish, distribute, sublicense, and/or sell\n"
    "copies of the Software, and to permit persons to whom the Software is\n"
    "furnished to do so, subject to the following conditions:\n"
    "\n"
    "The above copyright notice and this permission notice shall be included in all\n"
    "copies or substantial portions of the Software.\n"
    "\n"
    "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR\n"
    "IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,\n"
    "FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE\n"
    "AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER\n"
    "LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,\n"
    "OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE\n"
    "SOFTWARE.";

const char* const kDejaVu =
    "Cirquet's windows and this document are set in the DejaVu fonts. Their copyright and licence, as "
    "the Debian package fonts-dejavu-core states them:";

// One part of the document, laid out page by page for the device. Each
// part starts a page of its own: a page break inside one document lets a
// later line straddle the bottom of a page.
class Writer {
 public:
  explicit Writer(QPagedPaintDevice& device) : doc_(std::make_unique<QTextDocument>()) {
    doc_->documentLayout()->setPaintDevice(&device);
    doc_->setDocumentMargin(0);
    doc_->setPageSize(QSizeF(device.width(), device.height()));
    cursor_ = QTextCursor(doc_.get());
  }

  void title(const QString& text) { add(text, sans(18, true), 6); }
  void subtitle(const QString& text) { add(text, sans(12, false), 2); }
  void heading(const QString& text) { add(text, sans(14, true), 8); }
  void subheading(const QString& text) { add(text, sans(11, true), 6, 12); }
  void paragraph(const QString& text) { add(text, sans(10, false), 8); }

  // Licence texts keep their lines and indents exactly.
  void verbatim(const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'))) add(line, mono(), 0);
    add(QString(), mono(), 0);
  }

  std::unique_ptr<QTextDocument> done() { return std::move(doc_); }

 private:
  static QTextCharFormat sans(int points, bool bold) {
    QTextCharFormat f;
    // No ligatures: "file" copied out of the document is four letters, not
    // three with one ligature sign.
    f.setFontStyleStrategy(QFont::PreferNoShaping);
    f.setFontFamilies({QStringLiteral("DejaVu Sans")});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
  }
  static QTextCharFormat mono() {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("DejaVu Sans Mono")});
    f.setFontPointSize(8);
    return f;
  }

  void add(const QString& text, const QTextCharFormat& chars, qreal spaceAfter, qreal spaceBefore = 0) {
    QTextBlockFormat block;
    block.setBottomMargin(spaceAfter);
    block.setTopMargin(spaceBefore);
    // The document starts with one empty block: the first text goes there.
    if (first_) {
      cursor_.setBlockFormat(block);
      cursor_.setBlockCharFormat(chars);
      first_ = false;
    } else {
      cursor_.insertBlock(block, chars);
    }
    cursor_.insertText(text, chars);
  }

  std::unique_ptr<QTextDocument> doc_;
  QTextCursor cursor_;
  bool first_ = true;
};

QString withoutTrailingBreaks(QString text) {
  while (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

}  // namespace

void PrintLicenceDocument(QPagedPaintDevice& device, const LicenceTexts& texts) {
  std::vector<std::unique_ptr<QTextDocument>> parts;

  Writer first(device);
  first.title(QString::fromUtf8(kLicenceDocumentTitle));
  first.subtitle(QStringLiteral("Quillonex PCB Design, Inc. - Cirquet"));
  first.subtitle(texts.version);
  first.paragraph(QString());
  first.paragraph(QString::fromUtf8(kAbout));
  first.paragraph(QStringLiteral("Copyright (C) Quillonex PCB Design, Inc."));
  first.paragraph(QString::fromUtf8(kNotice));
  first.paragraph(QString::fromUtf8(kNoWarranty));
  first.paragraph(QString::fromUtf8(kWhereTheText));
  first.paragraph(QString::fromUtf8(kThirdParty));
  first.paragraph(QString::fromUtf8(kReference));
  parts.push_back(first.done());

  Writer licence(device);
  licence.verbatim(withoutTrailingBreaks(texts.gpl));
  parts.push_back(licence.done());

  Writer notices(device);
  notices.heading(QStringLiteral("Third-party notices"));
  notices.subheading(QStringLiteral("Qt 6"));
  notices.paragraph(QString::fromUtf8(kQt));
  notices.verbatim(withoutTrailingBreaks(texts.lgpl));
  notices.subheading(QStringLiteral("JSON for Modern C++"));
  notices.paragraph(QString::fromUtf8(kJson));
  notices.verbatim(QString::fromUtf8(kMit));
  notices.subheading(QStringLiteral("DejaVu fonts"));
  notices.paragraph(QString::fromUtf8(kDejaVu));
  notices.verbatim(withoutTrailingBreaks(texts.dejavu));
  parts.push_back(notices.done());

  QPainter painter(&device);
  bool firstPage = true;
  for (const auto& part : parts) {
    const QSizeF page = part->pageSize();
    for (int i = 0; i < part->pageCount(); ++i) {
      if (!firstPage) device.newPage();
      firstPage = false;
      // Page i of the part's one long column, and only what lies on it: a
      // line starting right at the page's bottom belongs to the next page,
      // and drawn here it would only be cut off, yet still be read out of
      // the file as text.
      const QRectF area(QPointF(0, i * page.height()), page);
      QAbstractTextDocumentLayout::PaintContext context;
      context.clip = area.adjusted(0, 0, 0, -1);
      painter.save();
      painter.translate(0, -i * page.height());
      painter.setClipRect(area);
      part->documentLayout()->draw(&painter, context);
      painter.restore();
    }
  }
}

}  // namespace cq::ui
