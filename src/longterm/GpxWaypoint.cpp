#include "longterm/GpxWaypoint.h"

#include <QXmlStreamWriter>

#include <cstdio>

namespace trakora {

QByteArray GpxWaypointDocument(const AveragedPoint& point)
{
    QByteArray document;
    QXmlStreamWriter xml(&document);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace("http://www.topografix.com/GPX/1/1");
    xml.writeNamespace("http://www.w3.org/2001/XMLSchema-instance", "xsi");
    xml.writeStartElement("gpx");
    xml.writeAttribute("version", "1.1");
    xml.writeAttribute("creator", "Trakora");
    xml.writeAttribute("http://www.w3.org/2001/XMLSchema-instance", "schemaLocation",
                       "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd");
    xml.writeStartElement("wpt");
    xml.writeAttribute("lat", QString::number(point.Latitude, 'f', 8));
    xml.writeAttribute("lon", QString::number(WrapLongitude(point.Longitude), 'f', 8));
    if (point.AltitudeMetres)
        xml.writeTextElement("ele", QString::number(*point.AltitudeMetres, 'f', 2));
    if (const auto& t = point.LastSampleUtc) {
        char time[32];
        std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02dZ", t->Year, t->Month, t->Day, t->Hour,
                      t->Minute, t->Second);
        xml.writeTextElement("time", time);
    }
    xml.writeTextElement("name", QString::fromStdString(point.Name));
    xml.writeTextElement("desc", QString::fromStdString(point.Description));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    document.append('\n');
    return document;
}

} // namespace trakora
