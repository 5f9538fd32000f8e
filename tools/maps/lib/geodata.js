// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Country shapes from Natural Earth (world-atlas countries-50m.json), cut and
// merged into "units": one unit per country as the maps show it. A unit is
// named by its Polish table name when some continent lists it, otherwise by
// its Natural Earth name (drawn as an unlisted grey neighbour).
import { createRequire } from 'node:module';
import { feature } from 'topojson-client';

const require = createRequire(import.meta.url);

// Natural Earth names of the listed countries, and the territories shown as
// part of them.
const POLISH_NAMES = {
  // South America
  Brazil: 'Brazylia', Uruguay: 'Urugwaj', Argentina: 'Argentyna', Chile: 'Chile',
  Bolivia: 'Boliwia', Peru: 'Peru', Ecuador: 'Ekwador', Colombia: 'Kolumbia',
  Venezuela: 'Wenezuela', Guyana: 'Gujana', Suriname: 'Surinam', Paraguay: 'Paragwaj',
  // North and Central America
  Canada: 'Kanada', 'United States of America': 'Stany Zjednoczone', Mexico: 'Meksyk',
  Greenland: 'Grenlandia (terytorium Danii)', Guatemala: 'Gwatemala', Belize: 'Belize',
  'El Salvador': 'Salwador', Honduras: 'Honduras', Nicaragua: 'Nikaragua',
  'Costa Rica': 'Kostaryka', Panama: 'Panama', Jamaica: 'Jamajka', Haiti: 'Haiti',
  'Dominican Rep.': 'Dominikana', Cuba: 'Kuba', 'Puerto Rico': 'Portoryko (terytorium Stanów Zjednoczonych)',
  // Europe
  Portugal: 'Portugalia', Spain: 'Hiszpania', France: 'Francja',
  'United Kingdom': 'Wielka Brytania', 'Isle of Man': 'Wielka Brytania',
  Jersey: 'Wielka Brytania', Guernsey: 'Wielka Brytania', Ireland: 'Irlandia',
  Netherlands: 'Holandia', Belgium: 'Belgia', Germany: 'Niemcy', Denmark: 'Dania',
  Poland: 'Polska', Czechia: 'Czechy', Slovakia: 'Słowacja', Hungary: 'Węgry',
  'Bosnia and Herz.': 'Bośnia i Hercegowina', Serbia: 'Serbia', Albania: 'Albania',
  Greece: 'Grecja', Macedonia: 'Macedonia Północna', Bulgaria: 'Bułgaria', Romania: 'Rumunia',
  Ukraine: 'Ukraina', Belarus: 'Białoruś', Lithuania: 'Litwa', Latvia: 'Łotwa',
  Estonia: 'Estonia', Russia: 'Rosja', Finland: 'Finlandia', 'Åland': 'Finlandia',
  Sweden: 'Szwecja', Norway: 'Norwegia', Switzerland: 'Szwajcaria', Austria: 'Austria',
  Italy: 'Włochy', Slovenia: 'Słowenia', Croatia: 'Chorwacja',
  // Africa
  Morocco: 'Maroko', Algeria: 'Algieria', Tunisia: 'Tunezja', Libya: 'Libia',
  Egypt: 'Egipt', 'W. Sahara': 'Sahara Zachodnia (terytorium sporne)', Mauritania: 'Mauretania',
  Mali: 'Mali', Niger: 'Niger', Chad: 'Czad', Sudan: 'Sudan', Ethiopia: 'Etiopia',
  Somalia: 'Somalia', Somaliland: 'Somalia',
  'Central African Rep.': 'Republika Środkowoafrykańska', Cameroon: 'Kamerun',
  Nigeria: 'Nigeria', Benin: 'Benin', Togo: 'Togo', Ghana: 'Ghana',
  'Burkina Faso': 'Burkina Faso', "Côte d'Ivoire": 'Wybrzeże Kości Słoniowej',
  Liberia: 'Liberia', 'Sierra Leone': 'Sierra Leone', Guinea: 'Gwinea',
  'Guinea-Bissau': 'Gwinea Bissau', Senegal: 'Senegal', Eritrea: 'Erytrea',
  Djibouti: 'Dżibuti', 'Eq. Guinea': 'Gwinea Równikowa', Gabon: 'Gabon',
  Congo: 'Kongo', 'Dem. Rep. Congo': 'Demokratyczna Republika Konga', Uganda: 'Uganda', Kenya: 'Kenia',
  Tanzania: 'Tanzania', Rwanda: 'Rwanda', Burundi: 'Burundi', Mozambique: 'Mozambik',
  Malawi: 'Malawi', Zambia: 'Zambia', Angola: 'Angola', Namibia: 'Namibia',
  Botswana: 'Botswana', Zimbabwe: 'Zimbabwe', eSwatini: 'Eswatini', Lesotho: 'Lesotho',
  'South Africa': 'Republika Południowej Afryki', Madagascar: 'Madagaskar',
  // Asia
  Kazakhstan: 'Kazachstan', Mongolia: 'Mongolia', China: 'Chiny', 'Hong Kong': 'Chiny',
  Macao: 'Chiny', 'North Korea': 'Korea Północna', 'South Korea': 'Korea Południowa',
  Japan: 'Japonia', Vietnam: 'Wietnam', Laos: 'Laos', Cambodia: 'Kambodża',
  Thailand: 'Tajlandia', Myanmar: 'Mjanma', Bangladesh: 'Bangladesz', Bhutan: 'Bhutan',
  Nepal: 'Nepal', India: 'Indie', 'Siachen Glacier': 'Indie', 'Sri Lanka': 'Sri Lanka',
  Pakistan: 'Pakistan', Afghanistan: 'Afganistan', Iran: 'Iran', Iraq: 'Irak',
  'Saudi Arabia': 'Arabia Saudyjska', 'United Arab Emirates': 'Zjednoczone Emiraty Arabskie', Oman: 'Oman',
  Yemen: 'Jemen', Kuwait: 'Kuwejt', Jordan: 'Jordania', Syria: 'Syria',
  Israel: 'Izrael', Lebanon: 'Liban', Cyprus: 'Cypr', 'N. Cyprus': 'Cypr',
  Turkey: 'Turcja', Georgia: 'Gruzja', Armenia: 'Armenia', Azerbaijan: 'Azerbejdżan',
  Kyrgyzstan: 'Kirgistan', Turkmenistan: 'Turkmenistan', Uzbekistan: 'Uzbekistan',
  Tajikistan: 'Tadżykistan',
  // Australia and Oceania
  Australia: 'Australia', Indonesia: 'Indonezja', Malaysia: 'Malezja',
  Philippines: 'Filipiny', Brunei: 'Brunei', 'New Zealand': 'Nowa Zelandia',
  'Papua New Guinea': 'Papua-Nowa Gwinea',
  // The states added to the first tables: Caribbean, Europe, Africa, Asia, Oceania
  Bahamas: 'Bahamy', 'Antigua and Barb.': 'Antigua i Barbuda', Barbados: 'Barbados',
  Dominica: 'Dominika', Grenada: 'Grenada', 'St. Kitts and Nevis': 'Saint Kitts i Nevis',
  'Saint Lucia': 'Saint Lucia', 'St. Vin. and Gren.': 'Saint Vincent i Grenadyny',
  'Trinidad and Tobago': 'Trynidad i Tobago',
  Moldova: 'Mołdawia', Montenegro: 'Czarnogóra', Kosovo: 'Kosowo', Luxembourg: 'Luksemburg',
  Iceland: 'Islandia', Andorra: 'Andora', Monaco: 'Monako', 'San Marino': 'San Marino',
  Vatican: 'Watykan', Liechtenstein: 'Liechtenstein', Malta: 'Malta',
  Gambia: 'Gambia', 'S. Sudan': 'Sudan Południowy',
  'São Tomé and Principe': 'Wyspy Świętego Tomasza i Książęca', 'Cabo Verde': 'Republika Zielonego Przylądka',
  Comoros: 'Komory', Mauritius: 'Mauritius', Seychelles: 'Seszele',
  Qatar: 'Katar', Bahrain: 'Bahrajn', Palestine: 'Palestyna', Maldives: 'Malediwy',
  Singapore: 'Singapur', 'Timor-Leste': 'Timor Wschodni',
  Fiji: 'Fidżi', Kiribati: 'Kiribati', 'Marshall Is.': 'Wyspy Marshalla', Micronesia: 'Mikronezja',
  Nauru: 'Nauru', Palau: 'Palau', Samoa: 'Samoa', 'Solomon Is.': 'Wyspy Salomona', Tonga: 'Tonga',
  Vanuatu: 'Vanuatu',
};

// Morocco and Western Sahara meet on the parallel 27°40′N; the data draws
// Moroccan administration south of it.
const SAHARA_BORDER_LAT = 27 + 40 / 60;

const inBox = (ring, [w, s, e, n]) =>
  ring.every(([x, y]) => x >= w && x <= e && y >= s && y <= n);
const EUROPE = [-12, 34, 35, 72];

// Which unit a polygon of a Natural Earth country belongs to.
function unitOf(neName, polygon) {
  const outer = polygon[0];
  if (neName === 'France' && inBox(outer, [-55, 1, -51, 7])) return 'Gujana Francuska (terytorium Francji)';
  if (['France', 'Spain', 'Portugal', 'Netherlands'].includes(neName) && !inBox(outer, EUROPE))
    return `${neName} (overseas)`;
  if (neName === 'Russia' && inBox(outer, [32, 44, 37, 46.5])) return 'Ukraina'; // Crimea
  return POLISH_NAMES[neName] ?? neName;
}

// Sutherland–Hodgman clip of a ring against a parallel; keepNorth selects the
// side. Ring orientation is kept, so the spherical winding stays valid.
function clipRingAtLat(ring, lat, keepNorth) {
  const inside = ([, y]) => (keepNorth ? y >= lat : y < lat);
  const out = [];
  for (let i = 0; i < ring.length - 1; i++) {
    const a = ring[i], b = ring[i + 1];
    if (inside(a)) out.push(a);
    if (inside(a) !== inside(b)) {
      const t = (lat - a[1]) / (b[1] - a[1]);
      out.push([a[0] + t * (b[0] - a[0]), lat]);
    }
  }
  if (out.length < 3) return null;
  out.push(out[0]);
  return out;
}

function clipPolygonAtLat(polygon, lat, keepNorth) {
  const rings = polygon.map((r) => clipRingAtLat(r, lat, keepNorth));
  return rings[0] ? rings.filter(Boolean) : null;
}

// Returns [{ name, polygons: [[ring...]...] }] in a fixed order.
export function loadUnits() {
  const topology = require('world-atlas/countries-50m.json');
  const countries = feature(topology, topology.objects.countries).features;
  const units = new Map();
  const add = (name, polygon) => {
    if (!units.has(name)) units.set(name, { name, polygons: [] });
    units.get(name).polygons.push(polygon);
  };
  for (const f of countries) {
    const neName = f.properties.name;
    if (!f.geometry) continue;
    const polys = f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates;
    for (const polygon of polys) {
      if (neName === 'Morocco') {
        const north = clipPolygonAtLat(polygon, SAHARA_BORDER_LAT, true);
        const south = clipPolygonAtLat(polygon, SAHARA_BORDER_LAT, false);
        if (north) add('Maroko', north);
        if (south) add(POLISH_NAMES['W. Sahara'], south);
      } else {
        add(unitOf(neName, polygon), polygon);
      }
    }
  }
  return [...units.values()];
}
