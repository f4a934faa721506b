#!/usr/bin/python3
"""Opens what velmora exports in QGIS, as a user would, and checks it against
the pictures velmora paints.

usage: qgis_check.py VELMORA SAMPLE_DIR WORK_DIR

For every palette of the sample box: the GeoPackage of the sample town must
open coloured by its stored default style, and the QML of `box export` applied
to the same layer must colour it alike; rendered to PNG images in WORK_DIR
(palette-N-stored.png, palette-N-qml.png), every parcel's
interior shows the fill `velmora paint` gives it (a solid colour pixel for
pixel, a hatch as lines of its colour and direction, drawn smoothly, on white). The SLD is
read as the Symbology Encoding rules say: rules in order, each holding for
exactly the parcels whose brush the library chose, with that brush's fill.
GDAL reads every parcel's attributes back as the attribute CSV gives them,
and the colours of `box classify` are those of QGIS's ColorBrewer ramps.
Run with Debian's /usr/bin/python3 and QT_QPA_PLATFORM=offscreen.
"""
import csv
import json
import math
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

from osgeo import ogr
from qgis.core import (NULL, QgsApplication, QgsColorBrewerPalette, QgsGeometry, QgsMapRendererSequentialJob,
                       QgsMapSettings, QgsPointXY, QgsVectorLayer)
from qgis.PyQt.QtCore import QDate, QSize
from qgis.PyQt.QtGui import QColor, QImage

METRES_PER_PIXEL = 0.25
DPI = 101.6  # a millimetre of a style is four pixels
WHITE = (255, 255, 255)
SE = '{http://www.opengis.net/se}'
OGC = '{http://www.opengis.net/ogc}'

failures = []


def fail(message):
    failures.append(message)
    print('FAIL: ' + message)


def run(*args):
    subprocess.run(args, check=True)


def hex_color(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def paint_fills(svg_path):
    """The fill of each parcel in the painted picture, in parcel order: a
    colour, ('hatch', colour, angles) or None for an outline only."""
    root = ET.parse(svg_path).getroot()
    ns = '{http://www.w3.org/2000/svg}'
    patterns = {}
    for pattern in root.iter(ns + 'pattern'):
        angle = int(re.search(r'rotate\((\d+)\)', pattern.get('patternTransform')).group(1))
        lines = pattern.findall(ns + 'line')
        angles = [angle] + ([angle + 90] if len(lines) > 1 else [])
        patterns[pattern.get('id')] = ('hatch', hex_color(lines[0].get('stroke')), angles)
    group = next(g for g in root.iter(ns + 'g') if g.get('fill-rule') == 'evenodd')
    fills = []
    for path in group.findall(ns + 'path'):
        fill = path.get('fill')
        if fill == 'none':
            fills.append(None)
        elif fill.startswith('url(#'):
            fills.append(patterns[fill[5:-1]])
        else:
            fills.append(hex_color(fill))
    return fills


def render(layer):
    settings = QgsMapSettings()
    settings.setLayers([layer])
    settings.setDestinationCrs(layer.crs())
    extent = layer.extent().buffered(4.0)
    settings.setExtent(extent)
    settings.setOutputSize(QSize(int(extent.width() / METRES_PER_PIXEL),
                                 int(extent.height() / METRES_PER_PIXEL)))
    settings.setOutputDpi(DPI)
    settings.setBackgroundColor(QColor(255, 255, 255))
    settings.setFlag(QgsMapSettings.Antialiasing, False)
    job = QgsMapRendererSequentialJob(settings)
    job.start()
    job.waitForFinished()
    image = job.renderedImage().convertToFormat(QImage.Format_RGB32)
    return image, settings.visibleExtent(), settings.mapUnitsPerPixel()


class Picture:
    def __init__(self, layer):
        self.image, self.extent, self.mupp = render(layer)

    def pixel(self, x, y):
        c = QColor(self.image.pixel(x, y))
        return (c.red(), c.green(), c.blue())

    def to_pixel(self, point):
        return (int((point.x() - self.extent.xMinimum()) / self.mupp),
                int((self.extent.yMaximum() - point.y()) / self.mupp))

    def column(self, x):
        """The pixel column, fractional, whose centre lies at map x."""
        return (x - self.extent.xMinimum()) / self.mupp - 0.5

    def to_map(self, x, y):
        return QgsPointXY(self.extent.xMinimum() + (x + 0.5) * self.mupp,
                          self.extent.yMaximum() - (y + 0.5) * self.mupp)


def check_parcel(picture, geometry, expected, where):
    """The parcel's interior, two pixels clear of its outline, shows `expected`."""
    pole, distance = geometry.poleOfInaccessibility(METRES_PER_PIXEL / 4)
    if distance / METRES_PER_PIXEL < 4:
        fail(where + ': too thin to look at')
        return
    px, py = picture.to_pixel(pole.asPoint())
    if expected is None or not isinstance(expected[0], str):
        want = WHITE if expected is None else expected
        seen = {picture.pixel(px + dx, py + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
        if seen != {want}:
            fail('%s: expected %s, found %s' % (where, want, sorted(seen)))
        return
    _, color, angles = expected
    inside = interior(picture, geometry.buffer(-2 * METRES_PER_PIXEL, 4), px, py, 40)
    line, strongest, other = set(), 0.0, set()
    for x, y in inside:
        seen = picture.pixel(x, y)
        cover = line_cover(seen, color)
        if cover is None:
            other.add(seen)
        elif cover >= 0.3:
            line.add((x, y))
        strongest = max(strongest, cover or 0.0)
    # A line one pixel wide may fall between two rows of pixels.
    if strongest < 0.45 or other:
        fail('%s: hatch in %s expected, found at most %.2f of it and %s' %
             (where, color, strongest, sorted(other)[:5]))
        return
    if len(angles) == 1:
        # A step of three pixels along a line of the pattern stays on it.
        dx = round(3 * math.cos(math.radians(angles[0])))
        dy = round(3 * math.sin(math.radians(angles[0])))
        steps = [(x + dx, y + dy) for x, y in line if (x + dx, y + dy) in inside]
        along = sum(1 for p in steps if p in line)
        if steps and along < 0.8 * len(steps):
            fail('%s: hatch lines are not at %d degrees (%d of %d steps stay on a line)' %
                 (where, angles[0], along, len(steps)))


def interior(picture, inner, px, py, radius):
    """The pixels within `radius` of (px, py) whose centres lie in `inner`,
    found row by row."""
    pixels = set()
    for y in range(py - radius, py + radius + 1):
        left, right = picture.to_map(px - radius, y), picture.to_map(px + radius, y)
        row = inner.intersection(QgsGeometry.fromPolylineXY([left, right]))
        for part in row.asGeometryCollection() if not row.isEmpty() else []:
            ends = [picture.column(p.x()) for p in part.asPolyline()]
            pixels.update((x, y) for x in range(math.ceil(min(ends)), math.floor(max(ends)) + 1))
    return pixels


def line_cover(seen, color):
    """How much of a pixel a line of `color` covers, drawn smoothly on white:
    None when the pixel is no such mix."""
    spans = [255 - c for c in color]
    widest = max(range(3), key=lambda k: spans[k])
    if spans[widest] == 0:
        return 0.0 if seen == WHITE else None
    cover = (255 - seen[widest]) / spans[widest]
    mixed = [255 - cover * spans[k] for k in range(3)]
    if not -0.02 <= cover <= 1.02 or any(abs(mixed[k] - seen[k]) > 4 for k in range(3)):
        return None
    return cover


def check_picture(layer, fills, what, png):
    picture = Picture(layer)
    picture.image.save(png)
    for feature in layer.getFeatures():
        number = feature.id()
        check_parcel(picture, feature.geometry(), fills[number - 1],
                     '%s, parcel %d (%s)' % (what, number, feature['地番']))


def sld_value(node, feature):
    if node.tag == OGC + 'PropertyName':
        value = feature[node.text]
        if isinstance(value, QDate):
            return value.toString('yyyy-MM-dd') if value.isValid() else None
        return None if value == NULL else value
    return node.text


def sld_holds(node, feature):
    tag = node.tag[len(OGC):]
    if tag == 'And':
        return all(sld_holds(child, feature) for child in node)
    if tag == 'Or':
        return any(sld_holds(child, feature) for child in node)
    if tag == 'Not':
        return not sld_holds(node[0], feature)
    if tag == 'PropertyIsNull':
        return sld_value(node[0], feature) is None
    a, b = (sld_value(child, feature) for child in node)
    if a is None or b is None:
        return False
    if isinstance(a, (int, float)) and not isinstance(b, (int, float)):
        b = float(b)
    elif isinstance(b, (int, float)) and not isinstance(a, (int, float)):
        a = float(a)
    return {'PropertyIsEqualTo': a == b,
            'PropertyIsGreaterThanOrEqualTo': a >= b,
            'PropertyIsGreaterThan': a > b,
            'PropertyIsLessThanOrEqualTo': a <= b,
            'PropertyIsLessThan': a < b}[tag]


MARK_ANGLES = {'shape://horline': [0], 'shape://vertline': [90], 'shape://backslash': [45],
               'shape://slash': [135], 'shape://plus': [0, 90], 'shape://times': [45, 135]}


def sld_fill(rule):
    fill = rule.find('.//' + SE + 'Fill')
    if fill is None:
        return None
    mark = fill.find('.//' + SE + 'Mark')
    if mark is None:
        return hex_color(fill.find(SE + 'SvgParameter').text)
    stroke = mark.find(SE + 'Stroke/' + SE + 'SvgParameter[@name="stroke"]').text
    return ('hatch', hex_color(stroke), MARK_ANGLES[mark.find(SE + 'WellKnownName').text])


def check_sld(path, layer, names, fills, what):
    rules = list(ET.parse(path).getroot().iter(SE + 'Rule'))
    if [r.find(SE + 'Name').text for r in rules] != names + ['該当なし']:
        fail(what + ': rules are not the brushes in order, then the rest')
        return
    if rules[-1].find(SE + 'ElseFilter') is None:
        fail(what + ': the last rule takes no rest')
    for feature in layer.getFeatures():
        held = [i + 1 for i, r in enumerate(rules[:-1])
                if sld_holds(r.find(OGC + 'Filter')[0], feature)]
        brush = feature['ブラシ番号']
        want = [] if brush == NULL else [brush]
        if held != want:
            fail('%s, parcel %d: rules %s hold, the library chose %s' %
                 (what, feature.id(), held, want))
        elif held and sld_fill(rules[held[0] - 1]) != fills[feature.id() - 1]:
            fail('%s, parcel %d: rule %d fills with %s, paint with %s' %
                 (what, feature.id(), held[0], sld_fill(rules[held[0] - 1]),
                  fills[feature.id() - 1]))


def csv_value(column, text):
    """A field of the attribute CSV as the GeoPackage keeps it."""
    if column in ('登記日付', '立会日付'):
        return text or None
    if column in ('所有者', '納税者'):
        return int(text.split(';')[0]) if text else 0
    if column == '所有権':
        return 1 if text in ('1', '有り') else 0
    if column == '公簿面積':
        return float(text) if text else 0.0
    if column == '不動産番号':
        return text
    return int(text) if text else 0


def check_attributes(gpkg, csv_path):
    rows = {row['地番']: row for row in csv.DictReader(open(csv_path, encoding='utf-8-sig'))}
    dataset = ogr.Open(gpkg)  # the layer lives only as long as its dataset
    layer = dataset.GetLayerByName('筆')
    checked = 0
    for feature in layer:
        row = rows.pop(feature['地番'])
        for column, text in row.items():
            if column == '地番':
                continue
            got = feature[column]
            if isinstance(got, str) and column.endswith('日付'):
                got = got.replace('/', '-')
            if got != csv_value(column, text):
                fail('parcel %s: %s is %r, the CSV gives %r' % (row['地番'], column, got, text))
        for column in ('所有者', '納税者'):
            codes = ';'.join(str(int(c)) for c in row[column].split(';') if c)
            if feature[column + '一覧'] != codes:
                fail('parcel %s: %s一覧 is %r' % (row['地番'], column, feature[column + '一覧']))
        checked += 1
    if rows:
        fail('parcels of the CSV missing from the GeoPackage: %s' % sorted(rows)[:5])
    print('attributes of %d parcels read back with GDAL' % checked)


def brush_colors(box):
    brushes = json.load(open(box, encoding='utf-8'))['palettes'][-1]['brushes']
    return [b['paint']['color'] for b in brushes]


def check_ramps(velmora, sample, work):
    """`box classify` colours by the published values, as QGIS has them."""
    attrs = ['--attrs', os.path.join(sample, 'town.csv')]
    box = os.path.join(work, 'ramps.json')
    checked = 0
    for ramp in ('YlOrRd', 'YlGnBu', 'Blues', 'Greens', 'Reds', 'Purples', 'RdYlGn', 'Spectral'):
        for count in QgsColorBrewerPalette.listSchemeVariants(ramp):
            if os.path.exists(box):
                os.remove(box)
            run(velmora, 'box', 'classify', box, *attrs, '--attr', '公簿面積', '--method',
                'equal', '--classes', str(count), '--ramp', ramp)
            want = [c.name() for c in QgsColorBrewerPalette.listSchemeColors(ramp, int(count))]
            if brush_colors(box) != want:
                fail('%s in %s classes: %s, QGIS has %s' % (ramp, count, brush_colors(box), want))
            checked += 1
    for ramp in ('Set1', 'Set3', 'Paired', 'Dark2'):
        if os.path.exists(box):
            os.remove(box)
        run(velmora, 'box', 'classify', box, *attrs, '--attr', '現況地目', '--method', 'unique',
            '--ramp', ramp)
        longest = max(QgsColorBrewerPalette.listSchemeVariants(ramp), key=int)
        scheme = [c.name() for c in QgsColorBrewerPalette.listSchemeColors(ramp, int(longest))]
        got = brush_colors(box)
        if got != [scheme[i % len(scheme)] for i in range(len(got))]:
            fail('%s: %s, QGIS has %s' % (ramp, got, scheme))
        checked += 1
    print('%d ramp schemes agree with QGIS' % checked)


def check_palette(velmora, inputs, box, number, palette, work):
    what = 'palette %d %s' % (number, palette['name'])
    out = os.path.join(work, 'palette-%d' % number)
    choose = ['--palette-no', str(number)]
    run(velmora, 'paint', *inputs, *choose, '--no-labels', '-o', out + '.svg')
    run(velmora, 'export', *inputs, *choose, '-o', out + '.gpkg')
    run(velmora, 'box', 'export', box, *choose, '--format', 'qml', '-o', out + '.qml')
    run(velmora, 'box', 'export', box, *choose, '--format', 'sld', '-o', out + '.sld')
    fills = paint_fills(out + '.svg')

    layer = QgsVectorLayer(out + '.gpkg|layername=筆', 'parcels', 'ogr')
    if not layer.isValid() or layer.featureCount() != len(fills):
        fail(what + ': QGIS does not open the GeoPackage with every parcel')
        return
    rules = layer.renderer().rootRule().children() \
        if layer.renderer().type() == 'RuleRenderer' else []
    if len(rules) != len(palette['brushes']) + 1:
        fail(what + ': QGIS did not open the GeoPackage with its stored style')
        return
    check_picture(layer, fills, what + ', stored style', out + '-stored.png')
    message, loaded = layer.loadNamedStyle(out + '.qml')
    if not loaded:
        fail(what + ': QGIS refuses the QML: ' + message)
        return
    check_picture(layer, fills, what + ', QML on the attribute', out + '-qml.png')
    check_sld(out + '.sld', layer, [b['name'] for b in palette['brushes']], fills,
              what + ', SLD')
    print('%s: %d parcels checked' % (what, len(fills)))


def main():
    velmora, sample, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    box = os.path.join(sample, 'palettes.json')
    inputs = [os.path.join(sample, 'town.xml'), '--attrs', os.path.join(sample, 'town.csv'),
              '--codes', os.path.join(sample, 'codes.csv'), '--box', box]
    palettes = json.load(open(box, encoding='utf-8'))['palettes']
    app = QgsApplication([], False)
    app.initQgis()
    for number, palette in enumerate(palettes, 1):
        check_palette(velmora, inputs, box, number, palette, work)
    check_attributes(os.path.join(work, 'palette-1.gpkg'), os.path.join(sample, 'town.csv'))
    check_ramps(velmora, sample, work)
    # Layers are gone with check_palette; QGIS must outlive them.
    app.exitQgis()
    if failures:
        print('%d failures' % len(failures))
        sys.exit(1)


main()
