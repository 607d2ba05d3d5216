#include "modRegistry.h"

QVariant GetRegistryValue(const platform::settings::Registry& registry,
                          platform::settings::RootKey root, const QString& keyPath,
                          const QString& valueName)
{
    const platform::settings::RegistryValue value = registry.value(root, keyPath, valueName);
    if (const auto* text = std::get_if<QString>(&value)) {
        const qsizetype nul = text->indexOf(QChar(0));
        return nul < 0 ? *text : text->left(nul);
    }
    if (const auto* bytes = std::get_if<QByteArray>(&value))
        return bytes->isEmpty() ? QVariant() : QVariant(*bytes);
    if (const auto* number = std::get_if<qint32>(&value))
        return QVariant(int(*number));
    return QVariant();
}
