// The first voyage round the world: Magellan to the Philippines, Elcano home.
export default {
  title: 'Ferdynand Magellan',
  subtitle: 'ok. 1480–1521',
  projection: { type: 'naturalEarth', rotate: [-10, 0], fitSphere: true, shiftY: 12, zoom: 1.14 },
  mapHeight: 300,
  graticuleStep: [30, 30],
  routes: [
    {
      color: '#7b3fb5',
      points: [
        [-6.4, 36.8], [-16.5, 28.3], [-20, 14], [-33, -5], [-43.2, -23.1], [-56, -35.5], [-67.7, -49.3],
        [-68.4, -52.4], [-74.5, -52.6], [-80, -45], [-95, -28], [-120, -17], [-140, -15], [-158, -2],
        [-175, 8], [160, 12], [144.7, 13.4], [125.7, 10.7], [123.9, 10.3],
      ],
      arrows: [3, 11],
    },
    {
      color: '#c0392b',
      points: [
        [123.9, 10.3], [118, 9.5], [114.9, 5.2], [121, 4], [127.4, 0.7], [124.5, -9.5], [100, -25], [70, -37],
        [40, -40], [20, -36.5], [5, -20], [-12, 0], [-23.5, 15.5], [-20, 30], [-6.4, 36.8],
      ],
      arrows: [6, 10],
    },
  ],
  places: [
    { name: 'Sanlúcar', at: [-6.4, 36.8], pos: 'ne', kind: 'star' },
    { name: 'Cieśnina\nMagellana', at: [-70, -53], pos: 'e' },
    { name: 'Mactan', at: [123.9, 10.3], pos: 'n' },
    { name: 'Moluki', at: [127.4, 0.7], pos: 'e' },
  ],
  legend: [
    { color: '#7b3fb5', text: 'wyprawa Magellana (1519–1521)' },
    { color: '#c0392b', text: 'powrót Victorii pod wodzą Elcano (1521–1522)' },
    { text: 'Z około 240 żeglarzy do Hiszpanii wróciło na Victorii 18.' },
  ],
  timeline: [
    ['20 IX 1519', 'wypłynięcie z Sanlúcar'],
    ['XII 1519', 'zatoka Rio de Janeiro'],
    ['1520', 'zimowanie w San Julián'],
    ['21 X 1520', 'wejście w cieśninę'],
    ['28 XI 1520', 'na Oceanie Spokojnym'],
    ['6 III 1521', 'Mariany (Guam)'],
    ['27 IV 1521', 'śmierć Magellana'],
    ['XI 1521', 'Moluki'],
    ['V 1522', 'Przylądek Dobrej Nadziei'],
    ['6 IX 1522', 'powrót do Sanlúcar'],
  ],
};
