// SPDX-License-Identifier: MIT
#pragma once

#include "host/MessageBox.h"

class QWidget;

class QtMessageBox : public MessageBox
{
public:
    explicit QtMessageBox(QWidget *parent) : m_parent(parent) {}

protected:
    int ask(const QString &prompt, int buttons, const QString &title) override;

private:
    QWidget *m_parent;
};
