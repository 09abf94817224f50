#include "Label.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QShowEvent>

#include "internal/Dispatch.h"

namespace fw {

namespace {

class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(Label& owner) : owner_(owner) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  // Text stands at the top of the box. A line taller than its box stands on
  // the box's bottom instead: what is cut is then the room the font keeps
  // above its capitals, not the descenders. Measured only while the label
  // shows, so that hidden labels load no fonts.
  void SetHorizontalAlignment(Qt::Alignment horizontal) {
    horizontal_ = horizontal;
    Place();
  }

  void Place() {
    bool tall = isVisible() && !wordWrap() && fontMetrics().height() > height();
    setAlignment(horizontal_ | (tall ? Qt::AlignBottom : Qt::AlignTop));
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QLabel::showEvent(event);
    Place();
  }

  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Place();
  }

  void changeEvent(QEvent* event) override {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) Place();
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    QPoint at = event->position().toPoint();
    bool consumed = false;
    internal::Dispatch([&] {
      if (owner_.MouseDown) consumed = owner_.MouseDown(owner_, at.x(), at.y());
    });
    event->setAccepted(consumed);
  }

 private:
  Label& owner_;
  Qt::Alignment horizontal_ = Qt::AlignLeft;
};

LabelWidget& Shown(QWidget* widget) { return *static_cast<LabelWidget*>(widget); }

}  // namespace

Label::Label() : TextControl(new LabelWidget(*this)) {}

const PropertyTable& Label::Properties() const {
  using B = Bind<Label>;
  static const PropertyTable table{TextControl::Properties(),
                                   {
                                       B::String("Text", &Label::SetText),
                                       B::Int32("TextAlign", &Label::SetTextAlign),
                                       B::Color("TextColor", &Label::SetTextColor),
                                       B::Boolean("MultiLine", &Label::SetMultiLine),
                                       Accepted("Selectable", PropertyType::Boolean),
                                       Accepted("Transparent", PropertyType::Boolean),
                                       Accepted("DataSource", PropertyType::String),
                                       Accepted("DataField", PropertyType::String),
                                   }};
  return table;
}

void Label::SetText(std::string text) {
  text_ = std::move(text);
  // A carriage return breaks the line on screen.
  Shown(Widget()).setText(QString::fromStdString(text_).replace('\r', '\n'));
}

void Label::SetTextAlign(std::int32_t align) {
  textAlign_ = align;
  Qt::Alignment horizontal = align == 1   ? Qt::AlignHCenter
                             : align == 2 ? Qt::AlignRight
                                          : Qt::AlignLeft;
  Shown(Widget()).SetHorizontalAlignment(horizontal);
}

void Label::SetTextColor(Color color) {
  textColor_ = color;
  QLabel& label = Shown(Widget());
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
  label.setPalette(palette);
}

void Label::SetMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  LabelWidget& label = Shown(Widget());
  label.setWordWrap(multiLine);
  label.Place();
}

}  // namespace fw
