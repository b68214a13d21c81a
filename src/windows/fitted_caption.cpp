#include "windows/fitted_caption.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>

namespace zelvano {

namespace {

const char* const kFitName = "fittedCaption";

// The caption as shown: "&&" is one "&", a single "&" only marks its mnemonic.
QString withoutMnemonic(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == u'&' && at + 1 < caption.size()) ++at;
        shown += caption[at];
    }
    return shown;
}

int buttonRoom(const QAbstractButton& button) {
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) return captionRoom(*push);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(&button) != nullptr
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_CheckBoxContents;
    return button.style()->subElementRect(contents, &option, &button).width();
}

int titleRoom(const QGroupBox& box, const QString& title) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = title;
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.textAlignment = box.alignment();
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    // The title keeps the margin before it after it too, and its own padding.
    const int padding = label.width() - box.fontMetrics().horizontalAdvance(title);
    return box.width() - 2 * label.left() - padding;
}

// Keeps one control's whole caption and cuts it again whenever its room changes.
class CaptionFit final : public QObject {
    Q_OBJECT

public:
    explicit CaptionFit(QWidget& control) : QObject(&control), control_(control) {
        setObjectName(QString::fromLatin1(kFitName));
        control.installEventFilter(this);
    }

    static CaptionFit& of(QWidget& control) {
        auto* fit = control.findChild<CaptionFit*>(QString::fromLatin1(kFitName),
                                                   Qt::FindDirectChildrenOnly);
        return fit != nullptr ? *fit : *new CaptionFit(control);  // owned by the control
    }

    void setCaption(const QString& caption) {
        caption_ = caption;
        fit();
    }
    const QString& caption() const { return caption_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &control_ &&
            (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
             event->type() == QEvent::StyleChange)) {
            fit();
        }
        return false;
    }

private:
    void fit() {
        const QString whole = withoutMnemonic(caption_);
        QString cut;
        if (auto* box = qobject_cast<QGroupBox*>(&control_)) {
            cut = box->fontMetrics().elidedText(whole, Qt::ElideRight, titleRoom(*box, whole));
            box->setTitle(cut == whole ? caption_ : escaped(cut));
        } else if (auto* button = qobject_cast<QAbstractButton*>(&control_)) {
            cut = button->fontMetrics().elidedText(whole, Qt::ElideRight, buttonRoom(*button));
            button->setText(cut == whole ? caption_ : escaped(cut));
        }
        const bool isCut = cut != whole;
        // The tool tip and the name are the fit's only while it cuts; a name the control was
        // given for itself stays.
        if (isCut || control_.toolTip() == toolTip_) control_.setToolTip(isCut ? whole : QString());
        toolTip_ = isCut ? whole : QString();
        if (control_.accessibleName().isEmpty() || control_.accessibleName() == name_) {
            name_ = isCut ? whole.trimmed() : QString();
            control_.setAccessibleName(name_);
        }
    }

    static QString escaped(QString cut) { return cut.replace(u'&', QStringLiteral("&&")); }

    QWidget& control_;
    QString caption_;
    QString toolTip_;  // the tool tip the fit set, empty when none
    QString name_;     // likewise the accessible name
};

}  // namespace

int captionRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    const QStyle& style = *button.style();
    return style.subElementRect(QStyle::SE_PushButtonContents, &option, &button).width() -
           style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
}

void setFittedCaption(QAbstractButton& button, const QString& caption) {
    CaptionFit::of(button).setCaption(caption);
}

void setFittedCaption(QGroupBox& box, const QString& title) {
    CaptionFit::of(box).setCaption(title);
}

void fitTabCaptions(QTabBar& bar) {
    bar.setElideMode(Qt::ElideRight);
    bar.setUsesScrollButtons(false);
    const bool cut = bar.sizeHint().width() > bar.width();
    for (int tab = 0; tab < bar.count(); ++tab) {
        bar.setTabToolTip(tab, cut ? bar.tabText(tab) : QString());
    }
}

QString fittedCaption(const QAbstractButton& button) {
    const auto* fit =
        button.findChild<CaptionFit*>(QString::fromLatin1(kFitName), Qt::FindDirectChildrenOnly);
    return fit != nullptr ? fit->caption() : button.text();
}

}  // namespace zelvano

#include "fitted_caption.moc"
