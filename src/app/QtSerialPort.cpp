#include "app/QtSerialPort.h"

#include "app/SerialDeviceOrder.h"
#include "app/SerialOpenFailure.h"

#include <QSerialPortInfo>

#include <cerrno>

namespace trakora {

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent), m_port(this)
{
    m_port.setObjectName(QStringLiteral("MSComm"));
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

std::vector<std::string> QtSerialPort::AvailableDevices()
{
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return OrderSerialDevices(std::move(devices));
}

std::vector<SerialDeviceInfo> QtSerialPort::DescribedDevices()
{
    std::vector<SerialDeviceInfo> described;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const std::string& device : AvailableDevices()) {
        SerialDeviceInfo info{device, {}};
        for (const QSerialPortInfo& port : ports) {
            if (port.systemLocation().toStdString() != device)
                continue;
            const QString text = port.description().isEmpty() ? port.manufacturer() : port.description();
            info.Description = text.trimmed().toStdString();
        }
        described.push_back(std::move(info));
    }
    return described;
}

void QtSerialPort::SetBaudRate(std::int32_t baud)
{
    m_baud = baud;
    if (m_port.isOpen()) {
        m_port.setBaudRate(baud);
        m_port.clear(QSerialPort::Input);
    }
}

FileResult QtSerialPort::Open(int portNumber)
{
    Close();
    m_failed = false;
    m_failureText.clear();
    m_device = m_override.isEmpty() ? ChooseSerialDevice(m_preferred, portNumber, AvailableDevices())
                                    : m_override.toStdString();
    if (m_device.empty())
        return FileResult{false, ENODEV, "there is no serial device number " + std::to_string(portNumber) +
                                             " on this computer"};

    m_port.setPortName(QString::fromStdString(m_device));
    const bool configured = m_port.setBaudRate(m_baud) && m_port.setDataBits(QSerialPort::Data8) &&
                            m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
                            m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured || !m_port.open(QIODevice::ReadWrite)) {
        // The device's own permissions tell "not yours to open" apart from busy or missing, so the user
        // can be told which group to join; other failures carry no system number of their own.
        const int accessError = DeviceAccessError(m_device);
        FileResult result{false, accessError != 0 ? accessError : EIO, m_port.errorString().toStdString()};
        m_port.close();
        m_failed = false;
        return result;
    }
    // Settings applied before open are applied again once the device is open.
    m_port.setBaudRate(m_baud);
    return {};
}

void QtSerialPort::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

std::string QtSerialPort::ReadAll()
{
    if (!m_port.isOpen())
        return {};
    const QByteArray bytes = m_port.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QtSerialPort::Write(std::string_view text)
{
    if (!m_port.isOpen())
        return;
    m_port.write(text.data(), static_cast<qint64>(text.size()));
    m_port.flush();
}

// Errors that end the device for good (unplugged adaptor, hung-up line);
// the pump notices them at its next run.
void QtSerialPort::OnError(QSerialPort::SerialPortError error)
{
    if (!m_port.isOpen())
        return;
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
        error == QSerialPort::PermissionError) {
        m_failed = true;
        m_failureText = m_port.errorString().toStdString();
    }
}

} // namespace trakora
