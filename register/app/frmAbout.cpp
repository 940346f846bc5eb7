#include "register/app/frmAbout.h"

#include "register/app/ButtonPictures.h"
#include "ui/SSCommand.h"
#include "winapi/VersionInfo.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdio>
#include <vector>

namespace ledger {

QString versionRecordValue(const QString& file, const char* name) {
    const QByteArray path = QFile::encodeName(file);
    winapi::DWORD handle = 0;
    const winapi::DWORD size = winapi::GetFileVersionInfoSizeA(path.constData(), &handle);
    if (size == 0)
        return QString();
    std::vector<char> data(size);
    if (!winapi::GetFileVersionInfoA(path.constData(), handle, size, data.data()))
        return QString();
    void* buffer = nullptr;
    winapi::UINT length = 0;
    if (!winapi::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &buffer, &length) || length < 4)
        return QString();
    const auto* words = static_cast<const unsigned char*>(buffer);
    const unsigned language = words[0] | (words[1] << 8);
    const unsigned codePage = words[2] | (words[3] << 8);
    char block[96];
    std::snprintf(block, sizeof block, "\\StringFileInfo\\%04X%04X\\%s", language, codePage, name);
    if (!winapi::VerQueryValueA(data.data(), block, &buffer, &length) || length == 0)
        return QString();
    return QString::fromLatin1(static_cast<const char*>(buffer));
}

frmAbout::frmAbout(const QString& programFile, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Ledgerine 95"));
    imgAbout = new QLabel(this);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setPixmap(buttonPicture(Picture::Ledger, 64));
    imgAbout->setAlignment(Qt::AlignTop);

    QString product = versionRecordValue(programFile, "ProductName");
    if (product.isEmpty())
        product = QStringLiteral("Ledgerine 95");
    QString text = product + QStringLiteral("\nA cheque-book register: items, budgets, reconciliation and reports.");
    const QString version = versionRecordValue(programFile, "ProductVersion");
    if (!version.isEmpty())
        text += QStringLiteral("\n\nVersion ") + version;
    lblAbout = new QLabel(text, this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdAbout = new ui::SSCommand(QStringLiteral("cmdAbout"), QStringLiteral("&OK"), this);
    cmdAbout->setDefault(true);
    cmdAbout->setMinimumWidth(90);
    connect(cmdAbout, &ui::SSCommand::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(imgAbout);
    row->addWidget(lblAbout, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(row);
    outer->addWidget(cmdAbout, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

} // namespace ledger
