// Ranges and their Font, Interior and Borders objects.

#include "host/engine/engine_objects_p.h"
#include "host/engine/engine_picture.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/range_style.h"

namespace jubilo::engine {

namespace {

using spreadsheet::Range;

class Font : public HostFont {
public:
    explicit Font(const Range& r)
        : f_(r)
    {
    }
    QString name() const override { return f_.name(); }
    void setName(const QString& name) override { f_.setName(name); }
    double size() const override { return f_.size(); }
    void setSize(double points) override { f_.setSize(points); }
    bool bold() const override { return f_.bold(); }
    void setBold(bool on) override { f_.setBold(on); }
    bool italic() const override { return f_.italic(); }
    void setItalic(bool on) override { f_.setItalic(on); }
    QString fontStyle() const override { return f_.fontStyle(); }
    void setFontStyle(const QString& style) override { f_.setFontStyle(style); }
    int colorIndex() const override { return f_.colorIndex(); }
    void setColorIndex(int index) override { f_.setColorIndex(index); }

private:
    spreadsheet::RangeFont f_;
};

class Interior : public HostInterior {
public:
    explicit Interior(const Range& r)
        : i_(r)
    {
    }
    int colorIndex() const override { return i_.colorIndex(); }
    void setColorIndex(int index) override { i_.setColorIndex(index); }

private:
    spreadsheet::RangeInterior i_;
};

class Border : public HostBorder {
public:
    Border(const Range& r, int index)
        : b_(r, index)
    {
    }
    int lineStyle() const override { return b_.lineStyle(); }
    void setLineStyle(int style) override { b_.setLineStyle(style); }
    int colorIndex() const override { return b_.colorIndex(); }
    void setColorIndex(int index) override { b_.setColorIndex(index); }

private:
    spreadsheet::RangeBorder b_;
};

QVariant toVariant(const spreadsheet::Value& v)
{
    using namespace spreadsheet;
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* s = std::get_if<QString>(&v))
        return *s;
    if (const auto* e = std::get_if<ErrorCode>(&v))
        return QVariant::fromValue(HostCellError{errorText(*e)});
    return {};
}

class RangeAdapter : public HostRange {
public:
    explicit RangeAdapter(const Range& r)
        : r_(r)
    {
    }
    QString address() const override { return r_.address(); }
    void select() override { r_.select(); }
    void merge() override { r_.merge(); }
    void clear() override { r_.clear(); }
    void copyPicture() override { engine::copyPicture(r_); }
    QString formulaR1C1() const override { return r_.formulaR1C1(); }
    void setFormulaR1C1(const QString& text) override { r_.setFormulaR1C1(text); }
    QVariant value() const override { return toVariant(r_.value()); }
    QString text() const override { return r_.text(); }
    std::unique_ptr<HostInterior> interior() override { return std::make_unique<Interior>(r_); }
    std::unique_ptr<HostFont> font() override { return std::make_unique<Font>(r_); }
    std::unique_ptr<HostBorder> borders(int index) override { return std::make_unique<Border>(r_, index); }
    int horizontalAlignment() const override { return r_.horizontalAlignment(); }
    void setHorizontalAlignment(int a) override { r_.setHorizontalAlignment(a); }
    int verticalAlignment() const override { return r_.verticalAlignment(); }
    void setVerticalAlignment(int a) override { r_.setVerticalAlignment(a); }
    int indentLevel() const override { return r_.indentLevel(); }
    void setIndentLevel(int level) override { r_.setIndentLevel(level); }
    bool wrapText() const override { return r_.wrapText(); }
    void setWrapText(bool wrap) override { r_.setWrapText(wrap); }
    QString numberFormat() const override { return r_.numberFormat(); }
    void setNumberFormat(const QString& code) override { r_.setNumberFormat(code); }
    double columnWidth() const override { return r_.columnWidth(); }
    void setColumnWidth(double width) override { r_.setColumnWidth(width); }
    double rowHeight() const override { return r_.rowHeight(); }
    void setRowHeight(double points) override { r_.setRowHeight(points); }
    std::unique_ptr<HostRange> rows() override { return wrapRange(r_.rows()); }
    std::unique_ptr<HostRange> columns() override { return wrapRange(r_.columns()); }
    int count() const override { return r_.count(); }
    std::unique_ptr<HostRange> item(int index) override { return wrapRange(r_.item(index)); }
    int row() const override { return r_.row(); }
    int column() const override { return r_.column(); }
    const Range& engineRange() const { return r_; }

private:
    Range r_;
};

}  // namespace

std::unique_ptr<HostRange> wrapRange(const spreadsheet::Range& range) { return std::make_unique<RangeAdapter>(range); }

const spreadsheet::Range& engineRange(const HostRange& range)
{
    const auto* ours = dynamic_cast<const RangeAdapter*>(&range);
    if (!ours)
        throw spreadsheet::SpreadsheetError(
            QStringLiteral("The range %1 is not one of this application's").arg(range.address()));
    return ours->engineRange();
}

}  // namespace jubilo::engine
