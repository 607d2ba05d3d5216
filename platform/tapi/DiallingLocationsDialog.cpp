#include "platform/tapi/DiallingLocationsDialog.h"

#include "platform/tapi/AddressTranslator.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace platform::tapi {

namespace {

QLineEdit* digitsEdit(const QString& objectName, const QString& pattern, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

} // namespace

DiallingLocationsDialog::DiallingLocationsDialog(DiallingLocations locations, QString address,
                                                 QWidget* parent)
    : QDialog(parent), m_locations(std::move(locations)), m_address(std::move(address))
{
    setWindowTitle(u"Wählregeln"_s);

    m_list = new QListWidget(this);
    m_list->setObjectName(u"locationList"_s);
    m_newButton = new QPushButton(u"&Neu"_s, this);
    m_newButton->setObjectName(u"newButton"_s);
    m_removeButton = new QPushButton(u"&Löschen"_s, this);
    m_removeButton->setObjectName(u"removeButton"_s);

    m_name = new QLineEdit(this);
    m_name->setObjectName(u"nameEdit"_s);
    m_countryCode = digitsEdit(u"countryCodeEdit"_s, u"[0-9]{0,4}"_s, this);
    m_areaCode = digitsEdit(u"areaCodeEdit"_s, u"[0-9]{0,8}"_s, this);
    m_outsideAccess = digitsEdit(u"outsideAccessEdit"_s, u"[0-9*#]{0,6}"_s, this);
    m_longDistanceAccess = digitsEdit(u"longDistanceAccessEdit"_s, u"[0-9*#]{0,6}"_s, this);
    m_preview = new QLabel(this);
    m_preview->setObjectName(u"previewLabel"_s);

    auto* form = new QFormLayout;
    form->addRow(u"&Name:"_s, m_name);
    form->addRow(u"&Ländervorwahl:"_s, m_countryCode);
    form->addRow(u"&Ortsvorwahl:"_s, m_areaCode);
    form->addRow(u"&Amtsholung Ortsgespräche:"_s, m_outsideAccess);
    form->addRow(u"Amtsholung &Ferngespräche:"_s, m_longDistanceAccess);
    form->addRow(u"Wählt:"_s, m_preview);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_newButton);
    listButtons->addWidget(m_removeButton);
    listButtons->addStretch();

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(u"buttonBox"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"Standort, von dem aus gewählt wird:"_s, this));
    layout->addWidget(m_list);
    layout->addLayout(listButtons);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
    connect(m_newButton, &QPushButton::clicked, this, [this] { addLocation(); });
    connect(m_removeButton, &QPushButton::clicked, this, [this] { removeLocation(); });
    for (QLineEdit* edit :
         {m_name, m_countryCode, m_areaCode, m_outsideAccess, m_longDistanceAccess})
        connect(edit, &QLineEdit::textChanged, this, [this] { storeFields(); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    fillList();
}

DiallingLocation* DiallingLocationsDialog::selected()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_locations.locations.size())
        return nullptr;
    return &m_locations.locations[row];
}

void DiallingLocationsDialog::fillList()
{
    m_loading = true;
    m_list->clear();
    int currentRow = -1;
    const DiallingLocation* current = m_locations.current();
    for (int i = 0; i < m_locations.locations.size(); ++i) {
        m_list->addItem(m_locations.locations[i].name);
        if (current && current->id == m_locations.locations[i].id)
            currentRow = i;
    }
    m_loading = false;
    m_list->setCurrentRow(currentRow);
    showSelected();
}

void DiallingLocationsDialog::showSelected()
{
    if (m_loading)
        return;
    m_loading = true;
    const DiallingLocation* location = selected();
    m_name->setText(location ? location->name : QString());
    m_countryCode->setText(location ? location->countryCode : QString());
    m_areaCode->setText(location ? location->areaCode : QString());
    m_outsideAccess->setText(location ? location->outsideAccess : QString());
    m_longDistanceAccess->setText(location ? location->longDistanceAccess : QString());
    if (location)
        m_locations.currentId = location->id;
    m_loading = false;
    updateState();
}

void DiallingLocationsDialog::storeFields()
{
    if (m_loading)
        return;
    if (DiallingLocation* location = selected()) {
        location->name = m_name->text().trimmed();
        location->countryCode = m_countryCode->text();
        location->areaCode = m_areaCode->text();
        location->outsideAccess = m_outsideAccess->text();
        location->longDistanceAccess = m_longDistanceAccess->text();
        m_list->currentItem()->setText(location->name);
    }
    updateState();
}

void DiallingLocationsDialog::addLocation()
{
    DiallingLocation location;
    location.id = m_locations.nextFreeId();
    location.name = u"Standort "_s + QString::number(location.id);
    if (const DiallingLocation* current = selected()) {
        location.countryCode = current->countryCode;
        location.areaCode = current->areaCode;
    }
    m_locations.locations.append(location);
    m_locations.currentId = location.id;
    fillList();
    m_name->setFocus();
    m_name->selectAll();
}

void DiallingLocationsDialog::removeLocation()
{
    const int row = m_list->currentRow();
    if (row < 0 || m_locations.locations.size() <= 1)
        return;
    m_locations.locations.removeAt(row);
    m_locations.currentId = m_locations.locations[std::max(0, row - 1)].id;
    fillList();
}

void DiallingLocationsDialog::updateState()
{
    const DiallingLocation* location = m_locations.current();
    const bool valid = std::all_of(
        m_locations.locations.begin(), m_locations.locations.end(),
        [](const DiallingLocation& l) { return !l.name.isEmpty() && !l.countryCode.isEmpty(); });
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid && location);
    m_removeButton->setEnabled(m_locations.locations.size() > 1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_countryCode, m_areaCode,
                                                      m_outsideAccess, m_longDistanceAccess})
        w->setEnabled(location != nullptr);

    if (!location || m_address.trimmed().isEmpty()) {
        m_preview->setText(QString());
        return;
    }
    const TranslatedAddress translated = AddressTranslator(*location).translate(m_address);
    m_preview->setText(translated.result == 0 ? translated.dialable : u"(ungültige Nummer)"_s);
}

} // namespace platform::tapi
