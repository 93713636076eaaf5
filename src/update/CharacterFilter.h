#pragma once

#include <QString>
#include <QValidator>

// Keeps a field to the characters it takes: any other typed or pasted character is
// dropped.
class CharacterFilter : public QValidator {
    Q_OBJECT

public:
    CharacterFilter(QString allowed, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    QString allowed_;
};
