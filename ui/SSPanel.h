#pragma once

#include <QColor>
#include <QFrame>

namespace ui {

// 3-D panel: a bevelled area whose caption the program rewrites at run time; it may hold other
// controls, which show and hide with it.
class SSPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Inset };

    explicit SSPanel(QWidget* parent = nullptr);
    SSPanel(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }
    void setForeColor(const QColor& color);
    QColor foreColor() const { return foreColor_; }
    void setBevelOuter(Bevel bevel);
    Bevel bevelOuter() const { return outer_; }
    void setBevelInner(Bevel bevel);
    Bevel bevelInner() const { return inner_; }
    void setBevelWidth(int width);
    int bevelWidth() const { return bevelWidth_; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int inset() const;
    QRect captionRect() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QColor foreColor_;
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int bevelWidth_ = 1;
};

} // namespace ui
