// Vasco da Gama's first voyage to India, 1497-1498.
export default {
  title: 'Vasco da Gama',
  subtitle: 'ok. 1469–1524',
  projection: { type: 'mercator', rotate: [-25, 0], fit: [[-30, -38], [80, -38], [-30, 40], [80, 40]] },
  pad: 4,
  routes: [
    {
      color: '#c0392b',
      points: [
        [-9.2, 38.6], [-13, 32], [-16.5, 24], [-23.5, 15], [-25, 0], [-28, -15], [-22, -28], [-5, -35],
        [10, -34.5], [17.9, -32.7], [18.3, -34.6], [20, -35.1], [22.1, -34.4], [27, -34.2], [31.5, -30.5],
        [35.8, -25], [36.5, -20], [40.8, -15.1], [40.6, -10], [39.8, -4.1], [40.3, -3.2], [55, 5], [70, 10],
        [75.6, 11.4],
      ],
      arrows: [4, 7, 16, 21],
    },
  ],
  places: [
    { name: 'Lizbona', at: [-9.15, 38.7], pos: 'e', kind: 'star' },
    { name: 'Wyspy Zielonego\nPrzylądka', at: [-23.6, 15.1], pos: 'e' },
    { name: 'Zatoka Św. Heleny', at: [17.9, -32.7], pos: 'nw' },
    { name: 'Przylądek\nDobrej Nadziei', at: [18.5, -34.4], pos: 'sw' },
    { name: 'Natal', at: [31.5, -29.5], pos: 'w' },
    { name: 'Mozambik', at: [40.7, -15.0], pos: 'e' },
    { name: 'Mombasa', at: [39.7, -4.05], pos: 'w' },
    { name: 'Malindi', at: [40.1, -3.2], pos: 'ne' },
    { name: 'Kalikat', at: [75.8, 11.25], pos: 'n' },
  ],
  seaLabels: [
    { name: 'Ocean\nAtlantycki', at: [-12, -8], size: 12 },
    { name: 'Ocean Indyjski', at: [65, -15], size: 12 },
  ],
  legend: [
    { color: '#c0392b', text: 'pierwsza wyprawa do Indii (1497–1498)' },
    { text: 'wypłynięcie z Lizbony 8 lipca 1497, Kalikat 20 maja 1498' },
  ],
};
