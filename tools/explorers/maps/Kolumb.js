// The four voyages of Columbus, the first one drawn strongest.
const VOYAGES = ['#c0392b', '#e67e22', '#1f8a4a', '#7b3fb5'];
export default {
  title: 'Krzysztof Kolumb',
  subtitle: '1451–1506',
  projection: { type: 'mercator', rotate: [48, 0], fit: [[-90, 6], [1, 6], [-90, 42], [1, 42]] },
  mapHeight: 320,
  pad: 4,
  routes: [
    { color: VOYAGES[3], width: 2.4, points: [[-6.3, 36.5], [-15.5, 28.3], [-40, 18], [-61, 14.6], [-69.9, 18.4], [-74, 18.8], [-80, 17.5], [-85.9, 16.4], [-83.2, 15], [-83.5, 11], [-81, 9.2], [-79.5, 9.6], [-77.2, 18.45]] },
    { color: VOYAGES[2], width: 2.4, points: [[-6.4, 36.8], [-16.9, 32.6], [-23.5, 15], [-40, 9], [-61.2, 10.2], [-62, 10.6], [-64, 11.1], [-69.9, 18.4]] },
    { color: VOYAGES[1], width: 2.4, points: [[-6.3, 36.5], [-17.2, 28.1], [-40, 19], [-61.35, 15.4], [-61.6, 16.2], [-64.7, 17.8], [-67, 18.2], [-71.0, 19.9]] },
    {
      color: VOYAGES[0],
      points: [[-6.9, 37.2], [-12, 32.5], [-17.2, 28.1], [-30, 28], [-50, 27], [-65, 25.5], [-74.5, 24.05], [-75.5, 23], [-75.7, 21.2], [-74.2, 20.3], [-72.8, 19.95], [-72.1, 19.75]],
      arrows: [3, 5],
    },
    {
      color: VOYAGES[0],
      dashed: true,
      points: [[-72.1, 19.75], [-69.3, 19.3], [-60, 28], [-45, 34.5], [-25.1, 37], [-16, 38.5], [-9.3, 38.7], [-6.9, 37.2]],
      arrows: [2, 3],
    },
  ],
  places: [
    { name: 'Palos', at: [-6.9, 37.2], pos: 'n', kind: 'star' },
    { name: 'Wyspy Kanaryjskie', at: [-17.2, 28.1], pos: 's' },
    { name: 'San Salvador', at: [-74.5, 24.05], pos: 'nw' },
    { name: 'Kuba', at: [-79.5, 22], kind: 'area' },
    { name: 'Hispaniola', at: [-71, 19.4], pos: 'se' },
    { name: 'Jamajka', at: [-77.2, 18.45], pos: 'sw' },
    { name: 'Azory', at: [-25.1, 37], pos: 'n' },
    { name: 'Orinoko', at: [-62, 9.2], kind: 'area' },
  ],
  seaLabels: [{ name: 'Ocean Atlantycki', at: [-33, 21.5], size: 12 }],
  legend: [
    { color: VOYAGES[0], text: 'pierwsza wyprawa, 1492–1493 (- - - powrót)' },
    { color: VOYAGES[1], text: 'druga wyprawa, 1493–1496' },
    { color: VOYAGES[2], text: 'trzecia wyprawa, 1498–1500' },
    { color: VOYAGES[3], text: 'czwarta wyprawa, 1502–1504' },
  ],
  timeline: [
    ['3 VIII 1492', 'wypłynięcie z Palos'],
    ['12 X 1492', 'San Salvador'],
    ['28 X 1492', 'Kuba'],
    ['25 XII 1492', 'rozbicie Santa Maríi'],
    ['15 III 1493', 'powrót do Palos'],
    ['1498', 'ląd Ameryki Płd.'],
    ['1502–1504', 'Ameryka Środkowa'],
    ['20 V 1506', 'śmierć w Valladolid'],
  ],
};
