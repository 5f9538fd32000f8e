// Drake's voyage round the world on the Golden Hind, 1577-1580.
export default {
  title: 'Francis Drake',
  subtitle: 'ok. 1540–1596',
  projection: { type: 'naturalEarth', rotate: [-10, 0], fitSphere: true, shiftY: 12, zoom: 1.2 },
  mapHeight: 330,
  graticuleStep: [30, 30],
  routes: [
    {
      color: '#b8860b',
      width: 3.4,
      points: [
        [-4.14, 50.37], [-9.77, 31.5], [-23.5, 15], [-35, -10], [-52, -33], [-56, -35.5], [-65, -45],
        [-67.7, -49.3], [-68.4, -52.4], [-74.5, -52.6], [-78, -56], [-70, -57.5], [-75.5, -50], [-74, -40],
        [-71.6, -33.05], [-71.5, -25], [-77.15, -12.05], [-80.5, -3], [-80.5, 1], [-88, 10], [-96.1, 15.7],
        [-112, 22], [-122.9, 38.0], [-150, 25], [-172, 15], [160, 10], [134.5, 7.5], [127.4, 0.8],
        [121, -3], [111, -8.5], [80, -25], [40, -37], [20, -36.5], [5, -15], [-13.2, 8.5], [-20, 30], [-4.14, 50.37],
      ],
      arrows: [3, 15, 23, 30, 34],
    },
  ],
  places: [
    { name: 'Plymouth', at: [-4.14, 50.37], pos: 'ne', kind: 'star' },
    { name: 'Cieśnina\nMagellana', at: [-68.4, -52.4], pos: 'e' },
    { name: 'Nowy Albion', at: [-122.9, 38.0], pos: 'n' },
    { name: 'Moluki', at: [127.4, 0.8], pos: 'e' },
  ],
  legend: [
    { color: '#b8860b', text: 'podróż Golden Hind dookoła świata (1577–1580)' },
  ],
  timeline: [
    ['13 XII 1577', 'wypłynięcie z Plymouth'],
    ['VIII–IX 1578', 'Cieśnina Magellana'],
    ['1579', 'łupy u wybrzeży Peru'],
    ['VI 1579', 'Nowy Albion'],
    ['XI 1579', 'Moluki'],
    ['VI 1580', 'Przylądek Dobrej Nadz.'],
    ['26 IX 1580', 'powrót do Plymouth'],
    ['1581', 'pasowany na rycerza'],
    ['1588', 'zwycięstwo nad Armadą'],
    ['28 I 1596', 'śmierć koło Panamy'],
  ],
  timelineDateWidth: 100,
};
