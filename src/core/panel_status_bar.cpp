#include "core/panel_status_bar.h"

Panel_Status_Bar::Panel_Status_Bar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    setPanels({{0, Qt::AlignLeft | Qt::AlignVCenter}});
}

void Panel_Status_Bar::setPanels(const QList<Panel>& panels) {
    for (QLabel* l : labels_) {
        removeWidget(l);
        delete l;
    }
    labels_.clear();
    for (int i = 0; i < panels.size(); ++i) {
        auto* l = new QLabel(this);
        l->setAlignment(panels[i].alignment | Qt::AlignVCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        const bool last = i == panels.size() - 1;
        if (panels[i].width > 0)
            l->setFixedWidth(panels[i].width);
        addWidget(l, last && panels[i].width <= 0 ? 1 : 0);
        labels_.append(l);
    }
}

void Panel_Status_Bar::setPanelText(int index, const QString& text) {
    if (index >= 0 && index < labels_.size())
        labels_[index]->setText(text);
}

QString Panel_Status_Bar::panelText(int index) const {
    return index >= 0 && index < labels_.size() ? labels_[index]->text() : QString();
}
