#include "managers/frm_map_manager.h"
#include "canvas/ui_words.h"

#include "canvas/message_box.h"
#include "canvas/resource_load_report.h"
#include "canvas/world_canvas.h"
#include "editor/map_folder.h"
#include "managers/current_location.h"
#include "managers/fixed_layout.h"
#include "managers/frm_manager_location.h"
#include "managers/key_filters.h"
#include "managers/map_creation.h"
#include "managers/text_checks.h"
#include "managers/ui_text.h"
#include "model/location_files.h"
#include "support/file_system.h"
#include "support/phrase.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace managers;
using phrase::Ru;

frmMapManager::frmMapManager(QWidget* mainWindow, WorldCanvas& canvas)
    : QDialog(mainWindow), m_canvas(canvas) {
    setObjectName(QStringLiteral("frmMapManager"));
    setWindowTitle(Words::tr("Менеджер карт"));
    setModal(true);
    applyWindowFont(*this);
    setClientSize(*this, 329, 273);
    buildControls();
    resetControls();
}

void frmMapManager::buildControls() {
    Frame1 = addFrame(this, "Frame1", Words::tr("Новая карта"), QRect(8, 8, 313, 257));
    txtMapName = addTextBox(Frame1, "txtMapName", QString(), QRect(104, 16, 201, 19), 255);
    addLabel(Frame1, Words::tr("Имя карты:"), QRect(8, 19, 92, 14), txtMapName);
    installNameFilter(txtMapName);
    txtResources = addTextBox(Frame1, "txtResources", QString(), QRect(104, 40, 177, 19), 255);
    addLabel(Frame1, Words::tr("Ресурсы карты:"), QRect(8, 43, 92, 14), txtResources);
    installNameFilter(txtResources);
    chkEditResource = addCheckBox(Frame1, "chkEditResource", QString(), QRect(288, 41, 17, 17));
    chkEditResource->setAccessibleName(Words::tr("Изменить ресурсы карты"));
    txtDescription = addMultiLineBox(Frame1, "txtDescription", QRect(104, 64, 201, 97));
    addLabel(Frame1, Words::tr("Описание:"), QRect(8, 67, 92, 14), txtDescription);
    txtAuthor = addTextBox(Frame1, "txtAuthor", QString(), QRect(104, 168, 201, 19), 255);
    addLabel(Frame1, Words::tr("Автор:"), QRect(8, 171, 92, 14), txtAuthor);
    txtContacts = addTextBox(Frame1, "txtContacts", QString(), QRect(104, 192, 201, 19), 255);
    addLabel(Frame1, Words::tr("Контакты:"), QRect(8, 195, 92, 14), txtContacts);
    cmdCreat = addButton(Frame1, "cmdCreat", Words::tr("Создать"), QRect(144, 224, 77, 25));
    cmdCancel = addButton(Frame1, "cmdCancel", Words::tr("Отмена"), QRect(228, 224, 77, 25));
    cmdCreat->setDefault(true);

    connect(chkEditResource, &QCheckBox::toggled, this, &frmMapManager::chkEditResource_Click);
    connect(cmdCreat, &QPushButton::clicked, this, &frmMapManager::cmdCreat_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMapManager::resetControls() {
    txtMapName->setText(QStringLiteral("NewMap"));
    chkEditResource->setChecked(false);
    chkEditResource_Click(false);
    txtDescription->clear();
    txtAuthor->clear();
    txtContacts->clear();
}

void frmMapManager::setLocationManager(LocationManagerAccess access) {
    m_locationManager = std::move(access);
}

int frmMapManager::showModal() {
    const int result = exec();
    resetControls();
    return result;
}

void frmMapManager::chkEditResource_Click(bool ticked) {
    txtResources->setEnabled(ticked);
    if (!ticked)
        txtResources->setText(QStringLiteral("Resources"));
}

bool frmMapManager::refuseName(const std::string& name) {
    if (name.empty()) {
        ui::showMessage(this,
                        {ui::MessageIcon::Warning, phrase::say(Ru::tr("Плохое имя")),
                         phrase::say(Ru::tr("Укажите имя новой карты и повторите попытку."))});
        return true;
    }
    if (refuseLongName(this, name, model::maxMapNameLength(), Words::tr("карты")))
        return true;
    if (mapExists(name)) {
        ui::showMessage(this,
                        {ui::MessageIcon::Warning, phrase::say(Ru::tr("Карта уже существует")),
                         phrase::say(Ru::tr("К сожалению, карта с таким именем уже "
                                            "существует. Укажите другое имя, и повторите "
                                            "попытку."))});
        return true;
    }
    return false;
}

void frmMapManager::cmdCreat_Click() {
    NewMap map;
    map.name = cpText(txtMapName->text());
    if (refuseName(map.name) ||
        refuseUnwritableText(this, txtDescription->toPlainText(), Words::tr("Описание:")) ||
        refuseUnwritableText(this, txtAuthor->text(), Words::tr("Автор:")) ||
        refuseUnwritableText(this, txtContacts->text(), Words::tr("Контакты:")) ||
        !mayDiscard(m_discardCheck))
        return;
    map.resources = cpText(txtResources->text());
    map.description = multiLineText(*txtDescription);
    map.author = cpText(txtAuthor->text());
    map.contacts = cpText(txtContacts->text());
    if (const WriteFailure failure = createMap(map)) {
        ui::showMessage(this,
                        {ui::MessageIcon::Critical, "Error",
                         phrase::say(Ru::tr("Не удалось создать карту \"%1\": %2 (%3)."),
                                     {map.name, fsys::displayText(failure.file), failure.reason})});
        return;
    }

    editor::MapFolder() = mapFolderOf(map.name);
    m_canvas.setResourcesPath(map.resources);
    m_canvas.setMapPath(map.name);
    ui::reportResourceLoad(this, m_canvas.LoadResources());
    // The new map has no location until its first one is created.
    showMapWithoutLocation(parentWidget(), m_canvas);
    createFirstLocation();
    accept();
}

void frmMapManager::createFirstLocation() {
    if (!m_locationManager)
        return;
    frmManagerLocation& locations = m_locationManager();
    locations.Frame1[0]->setVisible(false);
    locations.Frame1[1]->setVisible(true);
    locations.txtLocationName->setText(QStringLiteral("main"));
    locations.txtLocationName->setEnabled(false);
    locations.Command5->setEnabled(false);
    // The designer has been asked already.
    const DiscardCheck check = locations.discardCheck();
    locations.setDiscardCheck(nullptr);
    locations.showModal();
    locations.setDiscardCheck(check);
}
