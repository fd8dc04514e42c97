#include "screens/ParticularsPanel.h"

#include "screens/ParticularControls.h"
#include "store/GivenWords.h"
#include "ui_ParticularsPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace screens {

ParticularsPanel::ParticularsPanel(QWidget* parent) : QWidget(parent), ui(new Ui::ParticularsPanel)
{
    ui->setupUi(this);
}

ParticularsPanel::~ParticularsPanel() = default;

QLabel* ParticularsPanel::label(const QString& name) const
{
    return findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

QLabel* ParticularsPanel::valueLabel(const ParticularControl& control) const
{
    return label(QLatin1String(control.valueLabel));
}

QLabel* ParticularsPanel::caption(const ParticularControl& control) const
{
    // "Name_Label" has its caption "Name_Caption" beside it.
    return label(QLatin1String(control.valueLabel).chopped(6) + QLatin1String("_Caption"));
}

void ParticularsPanel::arrangeAsPreview()
{
    // Two grids of their own, not one: the eight customer lines share the
    // height of the eleven wine lines beside them, as the preview has always shown.
    delete layout();
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    QGridLayout* customer = new QGridLayout;
    QGridLayout* wine = new QGridLayout;
    for (QGridLayout* column : {customer, wine}) {
        column->setContentsMargins(0, 0, 0, 0);
        column->setColumnStretch(1, 1);
        columns->addLayout(column);
    }
    for (const ParticularControl& control : kParticularControls) {
        const bool ofCustomer = control.field <= store::BatchHeader::Email;
        const int row = ofCustomer ? control.field : control.field - store::BatchHeader::OtherID;
        QLabel* value = valueLabel(control);
        QLabel* name = caption(control);
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setFrameStyle(QFrame::NoFrame | QFrame::Plain);
        value->setMinimumSize(0, 0);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        QGridLayout* column = ofCustomer ? customer : wine;
        column->addWidget(name, row, 0);
        column->addWidget(value, row, 1);
    }
    ui->Province_Caption->setText(tr("Province / State : "));
}

void ParticularsPanel::showHeader(const store::BatchHeader& header)
{
    // Written on a PC in another language, the date and colour show in this PC's words.
    for (const ParticularControl& control : kParticularControls)
        valueLabel(control)->setText(
            store::shownHeaderField(control.field, header.field(control.field)));
}

store::BatchHeader ParticularsPanel::shownHeader() const
{
    store::BatchHeader header;
    for (const ParticularControl& control : kParticularControls)
        header.setField(control.field, valueLabel(control)->text());
    return header;
}

} // namespace screens
