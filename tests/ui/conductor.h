#pragma once
// Drives windows as a user does: finds controls by objectName, types, clicks and
// reads. Every window test uses these helpers.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "frame/ventanas.h"
#include "grabadora.h"

// Finds the control called nombre inside ventana; fails the test when missing.
template <class T = QWidget>
T* Hallar(QWidget* ventana, const QString& nombre)
{
    T* control = ventana ? ventana->findChild<T*>(nombre) : nullptr;
    EXPECT_NE(control, nullptr) << "no control " << nombre.toStdString();
    return control;
}

// Replaces the text of a box by typing it, as a user would after selecting all.
inline void Escribir(QWidget* ventana, const QString& nombre, const QString& texto)
{
    auto* caja = Hallar<QLineEdit>(ventana, nombre);
    if (!caja)
        return;
    caja->setFocus();
    caja->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(caja, Qt::Key_Delete);
    else
        QTest::keyClicks(caja, texto);
}

inline QString Leer(QWidget* ventana, const QString& nombre)
{
    auto* caja = Hallar<QLineEdit>(ventana, nombre);
    return caja ? caja->text() : QString();
}

inline void Pulsar(QWidget* ventana, const QString& nombre)
{
    auto* boton = Hallar<QAbstractButton>(ventana, nombre);
    if (boton)
        QTest::mouseClick(boton, Qt::LeftButton);
}

// Base of the window tests: installs the recorder and closes every window after.
class PruebaVentanas : public ::testing::Test {
protected:
    Grabadora grabadora;
    void SetUp() override { instalarPlataforma(&grabadora); }
    void TearDown() override
    {
        QApplication::closeAllWindows();
        QApplication::processEvents();
        instalarPlataforma(nullptr);
    }
    // Opens the window of a class by the showing rule and waits until it shows.
    QWidget* Abrir(const QString& clase)
    {
        QWidget* w = MostrarVentana(clase);
        EXPECT_NE(w, nullptr) << "class not registered: " << clase.toStdString();
        if (w) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        }
        return w;
    }
};
