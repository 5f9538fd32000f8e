// Humboldt and Bonpland in Spanish America, 1799-1804.
const C = '#1e8a4a';
export default {
  title: 'Aleksander Humboldt',
  subtitle: '1769–1859',
  projection: { type: 'mercator', rotate: [82, 0], fit: [[-106, -13], [-58, -13], [-106, 42], [-58, 42]] },
  pad: 4,
  routes: [
    {
      color: C,
      points: [
        [-40, 20], [-55, 14], [-64.17, 10.46], [-66.9, 10.5], [-67.47, 7.9], [-66.4, 7.6], [-67.5, 6.2],
        [-67.7, 4.05], [-67.05, 1.92], [-66.3, 2.5], [-65.55, 3.17], [-66.4, 4.5], [-67.5, 6.2], [-66, 7.6],
        [-63.55, 8.12], [-64.7, 10.13], [-64.17, 10.46], [-70, 15], [-80, 20.5], [-82.36, 23.13], [-80, 17],
        [-75.5, 10.4], [-74.8, 9], [-74.6, 6.5], [-74.8, 5.2], [-74.07, 4.71], [-76.6, 2.44], [-77.28, 1.21],
        [-78.5, -0.22], [-78.82, -1.47], [-79.0, -2.9], [-79.2, -4.0], [-78.5, -7.16], [-79.03, -8.1],
        [-77.04, -12.05], [-79, -8], [-81.2, -3], [-79.9, -2.2], [-85, 5], [-95, 12], [-99.9, 16.85],
        [-99.13, 19.43], [-96.13, 19.2], [-88, 23.5], [-82.36, 23.13], [-79, 27], [-74.5, 38.5], [-75.16, 39.95],
        [-77.04, 38.9], [-76, 37], [-70, 39], [-58, 42.5],
      ],
      arrows: [1, 7, 17, 27, 38, 45, 50],
    },
  ],
  places: [
    { name: 'Cumaná', at: [-64.17, 10.46], pos: 'ne' },
    { name: 'Orinoko', at: [-70.5, 5.7], kind: 'area' },
    { name: 'Casiquiare', at: [-66.1, 2.6], pos: 'e' },
    { name: 'Hawana', at: [-82.36, 23.13], pos: 'n' },
    { name: 'Bogota', at: [-74.07, 4.71], pos: 'e' },
    { name: 'Quito', at: [-78.5, -0.22], pos: 'e' },
    { name: 'Chimborazo', at: [-78.82, -1.47], pos: 'e', kind: 'star' },
    { name: 'Lima', at: [-77.04, -12.05], pos: 'e' },
    { name: 'Acapulco', at: [-99.9, 16.85], pos: 's' },
    { name: 'Meksyk', at: [-99.13, 19.43], pos: 'n' },
    { name: 'Filadelfia', at: [-75.16, 39.95], pos: 'nw' },
    { name: 'Waszyngton', at: [-77.04, 38.9], pos: 'w' },
  ],
  seaLabels: [
    { name: 'Ocean\nSpokojny', at: [-95, 2], size: 12 },
    { name: 'Ocean\nAtlantycki', at: [-62, 30], size: 12 },
  ],
  legend: [
    { color: C, text: 'podróż Humboldta i Bonplanda (1799–1804)' },
    { text: 'przypłynęli z La Coruñy (1799), wrócili do Bordeaux (1804)' },
    { text: 'Chimborazo: ponad 5800 m n.p.m. (23 czerwca 1802)' },
  ],
};
