#pragma once
// One line of plain text that changes often (the status bar's figures):
// laid out once per change and drawn from that layout, with a height that
// never changes, so that a change costs no relayout of the bar. Screen
// readers read it as a static text.

#include <QStaticText>
#include <QWidget>

namespace jubilo {

class SummaryLine : public QWidget {
    Q_OBJECT
public:
    explicit SummaryLine(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    // Bold, in a colour of its own: for what must be seen.
    void setMarked(bool marked);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void prepare();

    QString text_;
    QStaticText laidOut_;
    bool marked_ = false;
};

}  // namespace jubilo
