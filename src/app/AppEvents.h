#pragma once
#include <QObject>

// Application-wide notifications that open windows listen to.
class TAppEvents : public QObject {
    Q_OBJECT
public:
    static TAppEvents &Instance();

Q_SIGNALS:
    void labelsChanged();    // the custom-field labels were saved
    void pickListsChanged(); // the pick lists were saved
    void classesChanged();   // the class tree was edited
};
