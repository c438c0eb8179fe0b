#pragma once

#include <QObject>
#include <memory>

namespace amp::ui::test_support {

using QtTestFactory = std::unique_ptr<QObject> (*)();

// Adds a test object to those that the program's shared main() creates and runs.
void RegisterQtTest(QtTestFactory factory);

// Registers the QtTest class Test with the shared main() of its program, which creates it once
// the application exists and runs it with QTest::qExec. Define one at namespace scope beside the
// class; the classes of one program run in the order the linker places their files.
template <class Test>
struct RegisteredQtTest {
    RegisteredQtTest() {
        RegisterQtTest([]() -> std::unique_ptr<QObject> { return std::make_unique<Test>(); });
    }
};

}  // namespace amp::ui::test_support
