#pragma once

#include "app/PumpInterfaces.h"
#include "app/SerialDeviceOrder.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <string>
#include <vector>

namespace trakora {

// The receiver's serial port on QSerialPort. Port number n is the n-th of
// the machine's serial devices (see SerialDeviceOrder.h) unless a device
// path was given for this run or the preferred device is there.
class QtSerialPort : public QObject, public ISerialPort {
public:
    explicit QtSerialPort(QObject* parent = nullptr);

    // Uses this device whatever the port number (a command-line choice).
    void SetDeviceOverride(const QString& device) { m_override = device; }

    static std::vector<std::string> AvailableDevices();
    // The same devices with what the system says about them.
    static std::vector<SerialDeviceInfo> DescribedDevices();

    void SetBaudRate(std::int32_t baud) override;
    void PreferDevice(const std::string& device) override { m_preferred = device; }
    FileResult Open(int portNumber) override;
    void Close() override;
    std::string Device() const override { return m_device; }
    std::string ReadAll() override;
    void Write(std::string_view text) override;
    bool Failed() const override { return m_failed; }
    std::string FailureText() const override { return m_failureText; }

    bool IsOpen() const { return m_port.isOpen(); }

private:
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_override;
    std::string m_preferred;
    std::int32_t m_baud = 4800;
    std::string m_device;
    bool m_failed = false;
    std::string m_failureText;
};

} // namespace trakora
